// The keyboard: keys act wherever the focus is inside the window.
#include "finestra/main_form.h"

#include <QKeyEvent>
#include <QMenuBar>

bool MainForm::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) {
        return false;
    }
    auto* controllo = qobject_cast<QWidget*>(oggetto);
    // A disabled window (the About window is shown) takes no keys: Qt drops them. The menu
    // bar has the keyboard only while it is being used, from Alt or a menu closed with Esc
    // until the last Esc: its keys are the menus', as those of an open menu are, and that
    // last Esc gives the focus back to the control that had it before.
    if (controllo == nullptr || controllo->window() != this || !isEnabled() ||
        qobject_cast<QMenuBar*>(controllo) != nullptr) {
        return false;
    }
    const auto* tasto = static_cast<QKeyEvent*>(evento);
    const auto comando = ComandoDelTasto(tasto->key(), tasto->modifiers());
    if (!comando && TastoDelControllo(tasto->key())) {
        return false;
    }
    // The map's keys stop here, so that the focused control does not act on them too.
    if (comando) {
        Esegui(*comando);
    }
    setFocus();
    return true;
}

void MainForm::Esegui(const Comando& comando) {
    switch (comando.schiera) {
    case Schiera::Tasto:
        Cmd_Tasto_Click(comando.indice);
        break;
    case Schiera::Par:
        Cmd_Par_Click(comando.indice);
        break;
    case Schiera::Operazione:
        Cmd_Operazione_Click(comando.indice);
        break;
    }
}
