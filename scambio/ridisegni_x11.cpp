#include "scambio/ridisegni_x11.h"

#include <poll.h>

#include <algorithm>

RidisegniX11::RidisegniX11(Display* d, Window finestra) : d_(d) {
    int baseErrori = 0;
    if (XDamageQueryExtension(d_, &baseEventi_, &baseErrori) != 0) {
        // One event each time the window goes from untouched to repainted; Dimentica and every
        // event seen make it untouched again.
        danno_ = XDamageCreate(d_, finestra, XDamageReportNonEmpty);
        XSync(d_, False);
    }
}

RidisegniX11::~RidisegniX11() {
    if (danno_ != 0) {
        XDamageDestroy(d_, danno_);
        XSync(d_, False);
    }
}

void RidisegniX11::Dimentica() {
    XDamageSubtract(d_, danno_, None, None);
    // Every event about repaints before the subtraction is in the queue after the round trip.
    XSync(d_, False);
    XEvent evento;
    while (XCheckTypedEvent(d_, baseEventi_ + XDamageNotify, &evento) != 0) {
    }
}

bool RidisegniX11::Attendi(Scadenza scadenza) {
    using namespace std::chrono;
    for (;;) {
        while (XPending(d_) > 0) {
            XEvent evento;
            XNextEvent(d_, &evento);
            if (evento.type == baseEventi_ + XDamageNotify &&
                reinterpret_cast<const XDamageNotifyEvent&>(evento).damage == danno_) {
                XDamageSubtract(d_, danno_, None, None);
                XFlush(d_);
                return true;
            }
        }
        const auto resto = ceil<milliseconds>(scadenza - steady_clock::now());
        if (resto <= 0ms) {
            return false;
        }
        pollfd connessione{ConnectionNumber(d_), POLLIN, 0};
        poll(&connessione, 1, static_cast<int>(resto.count()));
    }
}

bool RidisegniX11::AttendiQuiete(std::chrono::milliseconds quiete, Scadenza scadenza) {
    for (;;) {
        const Scadenza fineQuiete = std::chrono::steady_clock::now() + quiete;
        if (fineQuiete > scadenza) {
            return false;
        }
        if (!Attendi(fineQuiete)) {
            return true;
        }
    }
}
