#pragma once

#include "scambio/scrittura_calcolatrice.h"

#include <chrono>
#include <cstdint>
#include <vector>

// Windows of other programs under X11, found by the process that owns their connection
// to the server. Each call opens and closes its own display connection.

// Whether a viewable top-level window of the process has the input focus. When it has
// not, asks for it: through the window manager when one runs, directly otherwise.
bool AttivaFinestraX11(std::int64_t processo);

// How a calculator takes keys.
struct RitmoTasti {
    // How long the window may take to repaint after a key: an X server short of time was
    // measured taking over 6 s.
    std::chrono::milliseconds attesa{10000};
    // How long the window must then stay still before the next key; 0: not at all.
    std::chrono::milliseconds quiete{0};
    // What clears the calculator when a key was not taken in time.
    std::vector<Tasto> azzeramento;
};

// Types the keys through XTest while that window keeps the focus, each once the window has
// repainted for the one before (a key marked muto is not waited for: the next one shows it
// was taken). When a repaint does not come in time, types the clearing keys and stops.
// Nothing at all when one of the keys is missing from the keyboard map or the server cannot
// report repaints. False when not every key was typed and shown.
bool DigitaX11(std::int64_t processo, const std::vector<Tasto>& tasti, const RitmoTasti& ritmo);
