#include "exchange/tastiera_x11.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <memory>
#include <optional>

namespace {

struct ChiudiDisplay {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using Connessione = std::unique_ptr<Display, ChiudiDisplay>;

// A window may vanish between two requests; its errors must not end the program, so they
// are ignored while a connection of ours is open.
int IgnoraErrore(Display* /*display*/, XErrorEvent* /*errore*/) {
    return 0;
}

class GestoreErrori {
public:
    GestoreErrori() : precedente_(XSetErrorHandler(IgnoraErrore)) {}
    ~GestoreErrori() { XSetErrorHandler(precedente_); }
    GestoreErrori(const GestoreErrori&) = delete;
    GestoreErrori& operator=(const GestoreErrori&) = delete;

private:
    int (*precedente_)(Display*, XErrorEvent*);
};

template <typename T> struct LiberaX {
    void operator()(T* p) const { XFree(p); }
};

std::optional<unsigned long> ProprietaCardinale(Display* d, Window w, Atom proprieta) {
    Atom tipo = None;
    int formato = 0;
    unsigned long quanti = 0;
    unsigned long restanti = 0;
    unsigned char* dati = nullptr;
    if (XGetWindowProperty(d, w, proprieta, 0, 1, False, XA_CARDINAL, &tipo, &formato, &quanti,
                           &restanti, &dati) != Success) {
        return std::nullopt;
    }
    const std::unique_ptr<unsigned char, LiberaX<unsigned char>> libera(dati);
    if (tipo != XA_CARDINAL || formato != 32 || quanti != 1 || dati == nullptr) {
        return std::nullopt;
    }
    // Xlib hands 32-bit items over as longs.
    return *reinterpret_cast<unsigned long*>(dati);
}

bool Visibile(Display* d, Window w) {
    XWindowAttributes attributi;
    return XGetWindowAttributes(d, w, &attributi) != 0 && attributi.map_state == IsViewable;
}

std::optional<Window> CercaFinestra(Display* d, Window w, Atom pidAtom, std::int64_t processo) {
    if (const auto pid = ProprietaCardinale(d, w, pidAtom);
        pid && static_cast<std::int64_t>(*pid) == processo && Visibile(d, w)) {
        return w;
    }
    Window radice = 0;
    Window genitore = 0;
    Window* figli = nullptr;
    unsigned int quanti = 0;
    if (XQueryTree(d, w, &radice, &genitore, &figli, &quanti) == 0) {
        return std::nullopt;
    }
    const std::unique_ptr<Window, LiberaX<Window>> libera(figli);
    for (unsigned int i = 0; i < quanti; ++i) {
        if (const auto trovata = CercaFinestra(d, figli[i], pidAtom, processo)) {
            return trovata;
        }
    }
    return std::nullopt;
}

std::optional<Window> FinestraDelProcesso(Display* d, std::int64_t processo) {
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", True);
    if (pidAtom == None) {
        return std::nullopt;
    }
    return CercaFinestra(d, DefaultRootWindow(d), pidAtom, processo);
}

// Whether the focus is on the window or on one of its descendants.
bool HaIlFuoco(Display* d, Window finestra) {
    Window fuoco = None;
    int ritorno = 0;
    XGetInputFocus(d, &fuoco, &ritorno);
    const Window radiceSchermo = DefaultRootWindow(d);
    while (fuoco != None && fuoco != PointerRoot && fuoco != radiceSchermo) {
        if (fuoco == finestra) {
            return true;
        }
        Window radice = 0;
        Window genitore = None;
        Window* figli = nullptr;
        unsigned int quanti = 0;
        if (XQueryTree(d, fuoco, &radice, &genitore, &figli, &quanti) == 0) {
            return false;
        }
        XFree(figli);
        fuoco = genitore;
    }
    return false;
}

bool GestoreFinestreAttivo(Display* d) {
    const Atom verifica = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", True);
    if (verifica == None) {
        return false;
    }
    Atom tipo = None;
    int formato = 0;
    unsigned long quanti = 0;
    unsigned long restanti = 0;
    unsigned char* dati = nullptr;
    if (XGetWindowProperty(d, DefaultRootWindow(d), verifica, 0, 1, False, XA_WINDOW, &tipo,
                           &formato, &quanti, &restanti, &dati) != Success) {
        return false;
    }
    XFree(dati);
    return tipo == XA_WINDOW && quanti == 1;
}

void ChiediAttivazione(Display* d, Window w) {
    if (GestoreFinestreAttivo(d)) {
        XEvent evento{};
        evento.xclient.type = ClientMessage;
        evento.xclient.window = w;
        evento.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
        evento.xclient.format = 32;
        evento.xclient.data.l[0] = 2; // a request on the user's behalf
        evento.xclient.data.l[1] = CurrentTime;
        XSendEvent(d, DefaultRootWindow(d), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &evento);
    } else {
        XRaiseWindow(d, w);
        XSetInputFocus(d, w, RevertToParent, CurrentTime);
    }
    XSync(d, False);
}

struct Pressione {
    KeyCode tasto = 0;
    bool maiuscole = false;
    bool controllo = false;
    bool alt = false;
};

KeySym SimboloDi(const Tasto& tasto) {
    switch (tasto.speciale) {
    case TastoSpeciale::Invio:
        return XK_Return;
    case TastoSpeciale::Tabulazione:
        return XK_Tab;
    case TastoSpeciale::Esc:
        return XK_Escape;
    case TastoSpeciale::Indietro:
        return XK_BackSpace;
    case TastoSpeciale::Nessuno:
        break;
    }
    const char32_t c = tasto.carattere;
    if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    return 0x01000000UL | c;
}

// The key and the Shift state that produce the key's symbol on this keyboard map.
std::optional<Pressione> PressioneDi(Display* d, const Tasto& tasto) {
    const KeySym simbolo = SimboloDi(tasto);
    const KeyCode codice = XKeysymToKeycode(d, simbolo);
    if (codice == 0) {
        return std::nullopt;
    }
    Pressione pressione{codice, tasto.maiuscole, tasto.controllo, tasto.alt};
    if (XkbKeycodeToKeysym(d, codice, 0, 0) == simbolo) {
        return pressione;
    }
    if (XkbKeycodeToKeysym(d, codice, 0, 1) == simbolo) {
        pressione.maiuscole = true;
        return pressione;
    }
    return std::nullopt;
}

void Premi(Display* d, KeySym modificatore, bool giu) {
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, modificatore), giu ? True : False, CurrentTime);
}

void Batti(Display* d, const Pressione& p) {
    const auto modificatori = [&](bool giu) {
        if (p.maiuscole) {
            Premi(d, XK_Shift_L, giu);
        }
        if (p.controllo) {
            Premi(d, XK_Control_L, giu);
        }
        if (p.alt) {
            Premi(d, XK_Alt_L, giu);
        }
    };
    modificatori(true);
    XTestFakeKeyEvent(d, p.tasto, True, CurrentTime);
    XTestFakeKeyEvent(d, p.tasto, False, CurrentTime);
    modificatori(false);
    XSync(d, False);
}

} // namespace

bool AttivaFinestraX11(std::int64_t processo) {
    const Connessione d(XOpenDisplay(nullptr));
    if (!d) {
        return false;
    }
    const GestoreErrori errori;
    const std::optional<Window> finestra = FinestraDelProcesso(d.get(), processo);
    if (!finestra) {
        return false;
    }
    if (HaIlFuoco(d.get(), *finestra)) {
        return true;
    }
    ChiediAttivazione(d.get(), *finestra);
    return false;
}

bool DigitaX11(std::int64_t processo, const std::vector<Tasto>& tasti) {
    const Connessione d(XOpenDisplay(nullptr));
    if (!d) {
        return false;
    }
    const GestoreErrori errori;
    int evento = 0;
    int errore = 0;
    int maggiore = 0;
    int minore = 0;
    if (XTestQueryExtension(d.get(), &evento, &errore, &maggiore, &minore) == 0) {
        return false;
    }
    const std::optional<Window> finestra = FinestraDelProcesso(d.get(), processo);
    if (!finestra) {
        return false;
    }
    std::vector<Pressione> pressioni;
    for (const Tasto& tasto : tasti) {
        const std::optional<Pressione> pressione = PressioneDi(d.get(), tasto);
        if (!pressione) {
            return false;
        }
        pressioni.push_back(*pressione);
    }
    for (const Pressione& pressione : pressioni) {
        if (!HaIlFuoco(d.get(), *finestra)) {
            return false;
        }
        Batti(d.get(), pressione);
    }
    return true;
}
