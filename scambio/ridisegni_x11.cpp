#include "scambio/ridisegni_x11.h"

#include <poll.h>

#include <algorithm>

RidisegniX11::RidisegniX11(Display* d, Window finestra) : d_(d) {
    int baseErrori = 0;
    if (XDamageQueryExtension(d_, &baseEventi_, &baseErrori) != 0) {
        // One event each time the window goes from untouched to repainted; Dimentica and every
        // event waited for make it untouched again.
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
    // An event tells how many of our requests the server had handled when it was sent, so
    // the events still on the way from before the subtraction can be told apart later. None
    // is thrown away here: one sent after the subtraction is the only one that will come
    // until the next subtraction, whatever is drawn meanwhile.
    primaValida_ = NextRequest(d_);
    XDamageSubtract(d_, danno_, None, None);
    XFlush(d_);
}

bool RidisegniX11::Attendi(Scadenza scadenza) {
    using namespace std::chrono;
    for (;;) {
        while (XPending(d_) > 0) {
            XEvent evento;
            XNextEvent(d_, &evento);
            if (evento.type == baseEventi_ + XDamageNotify &&
                reinterpret_cast<const XDamageNotifyEvent&>(evento).damage == danno_ &&
                evento.xany.serial >= primaValida_) {
                Dimentica();
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
