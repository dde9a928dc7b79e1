#pragma once

#include "exchange/notazione_tasti.h"

#include <cstdint>
#include <vector>

// Windows of other programs under X11, found by the process id they carry in _NET_WM_PID.
// Each call opens and closes its own display connection.

// Whether a viewable window of the process has the input focus. When it has not, asks for
// it: through the window manager when one runs, directly otherwise.
bool AttivaFinestraX11(std::int64_t processo);

// Types the keys through XTest while that window keeps the focus; nothing at all when one
// of the keys is missing from the keyboard map. False when not every key was typed.
bool DigitaX11(std::int64_t processo, const std::vector<Tasto>& tasti);
