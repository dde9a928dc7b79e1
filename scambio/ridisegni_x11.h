#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>

// The repaints of another program's window, through the X DAMAGE extension: a calculator
// repaints its window once it has taken a key, so a repaint after a key is the sign that the
// key reached it. Drawing into the window's children counts as the window's own.
class RidisegniX11 {
public:
    using Scadenza = std::chrono::steady_clock::time_point;

    RidisegniX11(Display* d, Window finestra);
    ~RidisegniX11();
    RidisegniX11(const RidisegniX11&) = delete;
    RidisegniX11& operator=(const RidisegniX11&) = delete;

    // False when the server has no DAMAGE extension.
    [[nodiscard]] bool Disponibile() const { return danno_ != 0; }

    // Forgets the repaints so far; the next wait is for one that follows this call.
    void Dimentica();

    // Whether the window was repainted before the deadline.
    bool Attendi(Scadenza scadenza);

    // Whether the window, before the deadline, went the given time without a repaint.
    bool AttendiQuiete(std::chrono::milliseconds quiete, Scadenza scadenza);

private:
    Display* d_;
    int baseEventi_ = 0;
    Damage danno_ = 0;
    // The number of our first request after the last subtraction: an event sent before the
    // server handled it reports a repaint already forgotten.
    unsigned long primaValida_ = 0;
};
