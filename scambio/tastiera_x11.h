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

// Types the keys through XTest, with the pause between two of them, while that window
// keeps the focus; nothing at all when one of the keys is missing from the keyboard map.
// False when not every key was typed.
bool DigitaX11(std::int64_t processo, const std::vector<Tasto>& tasti,
               std::chrono::milliseconds pausa);
