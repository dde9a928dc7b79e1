#pragma once

#include "finestra/tabella_pulsanti.h"

#include <Qt>
#include <optional>

// The keyboard map of the main window: which button a key stands for.
struct Comando {
    Schiera schiera;
    qint16 indice;
    friend bool operator==(const Comando&, const Comando&) = default;
};

// Shift, Ctrl and Alt are compared whole; the keypad and other modifiers do not count.
std::optional<Comando> ComandoDelTasto(int tasto, Qt::KeyboardModifiers modificatori);

// Keys the focused control needs for itself: moving the focus, moving in the list,
// pressing a button; and the modifiers on their own.
bool TastoDelControllo(int tasto);
