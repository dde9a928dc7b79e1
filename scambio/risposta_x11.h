#pragma once

#include <X11/Xlib.h>

#include <chrono>

// Whether another program has run its event loop since now: its window is sent a
// _NET_WM_PING, which the program answers from that loop once it has read every event that
// reached it before. Uses a connection of its own, so that no other wait misses the events
// this one reads.
enum class Risposta {
    Data,      // the program answered
    Scaduta,   // no answer before the deadline
    NonChiesta // the window takes no ping, or the server cannot be reached
};

Risposta AttendiRisposta(Window finestra, std::chrono::steady_clock::time_point scadenza);
