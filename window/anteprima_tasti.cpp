#include "anteprima_tasti.h"

#include "main_form.h"
#include "mappa_tasti.h"

#include <QKeyEvent>

namespace {

int CodiceVirtuale(int tasto) {
    switch (tasto) {
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_F2:
        return VK_F2;
    case Qt::Key_F3:
        return VK_F3;
    case Qt::Key_F4:
        return VK_F4;
    default:
        return 0;
    }
}

int Maschera(Qt::KeyboardModifiers modificatori) {
    return (modificatori.testFlag(Qt::ShiftModifier) ? MASCHERA_SHIFT : 0) |
           (modificatori.testFlag(Qt::ControlModifier) ? MASCHERA_CTRL : 0) |
           (modificatori.testFlag(Qt::AltModifier) ? MASCHERA_ALT : 0);
}

// Keys the focused control needs for itself: moving the focus, moving in the list,
// pressing a button; and the modifiers on their own.
bool TastoDelControllo(int tasto) {
    switch (tasto) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

} // namespace

AnteprimaTasti::AnteprimaTasti(MainForm& finestra) : QObject(&finestra), finestra_(finestra) {}

bool AnteprimaTasti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) {
        return false;
    }
    auto* controllo = qobject_cast<QWidget*>(oggetto);
    // A disabled window (the About window is shown) takes no keys: Qt drops them.
    if (controllo == nullptr || controllo->window() != &finestra_ || !finestra_.isEnabled()) {
        return false;
    }
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    const int maschera = Maschera(tasto->modifiers());
    const auto giu = ComandoTastoGiu(CodiceVirtuale(tasto->key()), maschera);
    // With Ctrl or Alt held no character is typed: those keys belong to the menus.
    const QString testo = tasto->text();
    const auto carattere = testo.isEmpty() || (maschera & (MASCHERA_CTRL | MASCHERA_ALT)) != 0
                               ? std::nullopt
                               : ComandoCarattere(testo.at(0).unicode());
    if (!giu && !carattere && TastoDelControllo(tasto->key())) {
        return false;
    }
    // The map's keys stop here, so that the focused control does not act on them too.
    if (giu) {
        finestra_.Esegui(*giu);
    }
    if (carattere) {
        finestra_.Esegui(*carattere);
    }
    finestra_.setFocus();
    return true;
}
