#include "curva/precedenza_menu.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

PrecedenzaMenu::PrecedenzaMenu(QWidget* finestra) : QObject(finestra), finestra_(finestra) {
    for (const QAction* azione : finestra->findChildren<QAction*>()) {
        for (const QKeySequence& tasti : azione->shortcuts()) {
            scorciatoie_.insert(tasti);
        }
    }
}

bool PrecedenzaMenu::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* controllo = qobject_cast<QWidget*>(oggetto);
    if (controllo == nullptr || controllo->window() != finestra_) {
        return false;
    }
    // Kept from the control and left unaccepted: the shortcut map then tries the menus.
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    return scorciatoie_.contains(QKeySequence(tasto->keyCombination()));
}
