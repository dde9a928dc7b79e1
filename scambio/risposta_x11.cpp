#include "scambio/risposta_x11.h"

#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <memory>
#include <span>

namespace {

bool PrendePing(Display* d, Window finestra, Atom ping) {
    Atom* protocolli = nullptr;
    int quanti = 0;
    if (XGetWMProtocols(d, finestra, &protocolli, &quanti) == 0) {
        return false;
    }
    const std::unique_ptr<Atom, decltype(&XFree)> libera(protocolli, &XFree);
    const std::span elenco(protocolli, static_cast<std::size_t>(quanti));
    return std::find(elenco.begin(), elenco.end(), ping) != elenco.end();
}

} // namespace

Risposta AttendiRisposta(Window finestra, std::chrono::steady_clock::time_point scadenza) {
    using namespace std::chrono;
    const std::unique_ptr<Display, decltype(&XCloseDisplay)> connessione(XOpenDisplay(nullptr),
                                                                         &XCloseDisplay);
    Display* d = connessione.get();
    if (d == nullptr) {
        return Risposta::NonChiesta;
    }
    const Atom protocolli = XInternAtom(d, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(d, "_NET_WM_PING", False);
    if (!PrendePing(d, finestra, ping)) {
        return Risposta::NonChiesta;
    }
    // The answer goes to the root window, meant for the window manager: GTK sends it to
    // whoever watches the root's children, Qt to whoever watches the root itself.
    XSelectInput(d, DefaultRootWindow(d), StructureNotifyMask | SubstructureNotifyMask);
    // In place of the timestamp, a number that tells our answer from the window manager's.
    const long domanda =
        static_cast<long>(steady_clock::now().time_since_epoch().count() & 0x7fffffff);
    XEvent richiesta{};
    richiesta.xclient.type = ClientMessage;
    richiesta.xclient.window = finestra;
    richiesta.xclient.message_type = protocolli;
    richiesta.xclient.format = 32;
    richiesta.xclient.data.l[0] = static_cast<long>(ping);
    richiesta.xclient.data.l[1] = domanda;
    richiesta.xclient.data.l[2] = static_cast<long>(finestra);
    XSendEvent(d, finestra, False, NoEventMask, &richiesta);
    XFlush(d);
    for (;;) {
        while (XPending(d) > 0) {
            XEvent evento;
            XNextEvent(d, &evento);
            const XClientMessageEvent& messaggio = evento.xclient;
            if (evento.type == ClientMessage && messaggio.message_type == protocolli &&
                messaggio.data.l[0] == static_cast<long>(ping) && messaggio.data.l[1] == domanda &&
                messaggio.data.l[2] == static_cast<long>(finestra)) {
                return Risposta::Data;
            }
        }
        const auto resto = ceil<milliseconds>(scadenza - steady_clock::now());
        if (resto <= 0ms) {
            return Risposta::Scaduta;
        }
        pollfd attesa{ConnectionNumber(d), POLLIN, 0};
        poll(&attesa, 1, static_cast<int>(resto.count()));
    }
}
