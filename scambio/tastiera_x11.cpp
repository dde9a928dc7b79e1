#include "scambio/tastiera_x11.h"

#include "scambio/ridisegni_x11.h"
#include "scambio/ripetizione_x11.h"
#include "scambio/risposta_x11.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XRes.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <chrono>
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

// The process that owns the window's X connection, as the server knows it.
std::optional<std::int64_t> ProcessoProprietario(Display* d, Window w) {
    XResClientIdSpec richiesta{w, XRES_CLIENT_ID_PID_MASK};
    long quanti = 0;
    XResClientIdValue* valori = nullptr;
    if (XResQueryClientIds(d, 1, &richiesta, &quanti, &valori) != Success) {
        return std::nullopt;
    }
    std::optional<std::int64_t> processo;
    for (long i = 0; i < quanti; ++i) {
        if (const pid_t pid = XResGetClientPid(&valori[i]); pid > 0) {
            processo = pid;
        }
    }
    XResClientIdsDestroy(quanti, valori);
    return processo;
}

// Who a window belongs to: the server's word where it has the X Resource extension; else
// only _NET_WM_PID, which any client may set on its own windows.
class Proprietari {
public:
    explicit Proprietari(Display* d) : d_(d) {
        int evento = 0;
        int errore = 0;
        int maggiore = 0;
        int minore = 0;
        dalServer_ = XResQueryExtension(d, &evento, &errore) != 0 &&
                     XResQueryVersion(d, &maggiore, &minore) != 0 &&
                     (maggiore > 1 || (maggiore == 1 && minore >= 2));
        pidAtom_ = XInternAtom(d, "_NET_WM_PID", True);
    }

    [[nodiscard]] bool DelProcesso(Window w, std::int64_t processo) const {
        if (dalServer_) {
            return ProcessoProprietario(d_, w) == processo;
        }
        const auto pid = pidAtom_ == None ? std::nullopt : ProprietaCardinale(d_, w, pidAtom_);
        return pid && static_cast<std::int64_t>(*pid) == processo;
    }

private:
    Display* d_;
    bool dalServer_ = false;
    Atom pidAtom_ = None;
};

bool Visibile(Display* d, Window w) {
    XWindowAttributes attributi;
    return XGetWindowAttributes(d, w, &attributi) != 0 && attributi.map_state == IsViewable;
}

// A program's own top-level window carries its class; what lies inside it is its widgets.
bool FinestraDiProgramma(Display* d, Window w) {
    XClassHint classe{};
    if (XGetClassHint(d, w, &classe) == 0) {
        return false;
    }
    XFree(classe.res_name);
    XFree(classe.res_class);
    return true;
}

std::optional<Window> CercaFinestra(Display* d, Window w, const Proprietari& proprietari,
                                    std::int64_t processo) {
    if (FinestraDiProgramma(d, w)) {
        if (Visibile(d, w) && proprietari.DelProcesso(w, processo)) {
            return w;
        }
        return std::nullopt;
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
        if (const auto trovata = CercaFinestra(d, figli[i], proprietari, processo)) {
            return trovata;
        }
    }
    return std::nullopt;
}

std::optional<Window> FinestraDelProcesso(Display* d, std::int64_t processo) {
    return CercaFinestra(d, DefaultRootWindow(d), Proprietari(d), processo);
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
    bool blocNum = false; // the keypad gives digits only with Num Lock on
};

KeySym SimboloDi(const Tasto& tasto) {
    const char32_t c = tasto.carattere;
    if (tasto.tastierino) {
        switch (c) {
        case U'.':
            return XK_KP_Decimal;
        case U'*':
            return XK_KP_Multiply;
        case U'/':
            return XK_KP_Divide;
        default:
            return XK_KP_0 + (c - U'0');
        }
    }
    switch (c) {
    case U'\r':
        return XK_Return;
    case U'\x1b':
        return XK_Escape;
    case U'\x7f':
        return XK_Delete;
    default:
        break;
    }
    if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    return 0x01000000UL | c;
}

// The key, and whether with Shift or Num Lock, that gives the symbol in the keyboard group
// now active and under the locks now on.
std::optional<Pressione> PressioneDi(Display* d, const XkbStateRec& stato, unsigned int blocNum,
                                     const Tasto& tasto) {
    const KeySym simbolo = SimboloDi(tasto);
    int primo = 0;
    int ultimo = 0;
    XDisplayKeycodes(d, &primo, &ultimo);
    for (const bool conBlocNum : {false, true}) {
        for (const bool maiuscole : {false, true}) {
            const unsigned int modificatori = XkbBuildCoreState(
                stato.locked_mods | (maiuscole ? ShiftMask : 0U) | (conBlocNum ? blocNum : 0U),
                stato.group);
            for (int codice = primo; codice <= ultimo; ++codice) {
                unsigned int usati = 0;
                KeySym dato = NoSymbol;
                if (XkbLookupKeySym(d, static_cast<KeyCode>(codice), modificatori, &usati, &dato) !=
                        0 &&
                    dato == simbolo) {
                    return Pressione{static_cast<KeyCode>(codice), maiuscole, tasto.controllo,
                                     conBlocNum && (stato.locked_mods & blocNum) == 0};
                }
            }
        }
    }
    return std::nullopt;
}

void Premi(Display* d, KeySym modificatore, bool giu) {
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, modificatore), giu ? True : False, CurrentTime);
}

// The user may still hold the keys of the shortcut that sent the number (the Ctrl of
// Ctrl+I); they would change every key typed.
void RilasciaModificatori(Display* d) {
    std::array<char, 32> premuti{};
    XQueryKeymap(d, premuti.data());
    const std::unique_ptr<XModifierKeymap, decltype(&XFreeModifiermap)> mappa(
        XGetModifierMapping(d), XFreeModifiermap);
    if (!mappa) {
        return;
    }
    for (int i = 0; i < 8 * mappa->max_keypermod; ++i) {
        const KeyCode codice = mappa->modifiermap[i];
        if (codice != 0 && (premuti.at(codice / 8) & (1 << (codice % 8))) != 0) {
            XTestFakeKeyEvent(d, codice, False, CurrentTime);
        }
    }
    XSync(d, False);
}

void Batti(Display* d, const Pressione& p) {
    const auto modificatori = [&](bool giu) {
        if (p.maiuscole) {
            Premi(d, XK_Shift_L, giu);
        }
        if (p.controllo) {
            Premi(d, XK_Control_L, giu);
        }
    };
    modificatori(true);
    XTestFakeKeyEvent(d, p.tasto, True, CurrentTime);
    XTestFakeKeyEvent(d, p.tasto, False, CurrentTime);
    modificatori(false);
    XSync(d, False);
}

// The keys as they are pressed now; empty when one of them is missing from the keyboard map.
std::optional<std::vector<Pressione>> PressioniDi(Display* d, const XkbStateRec& stato,
                                                  unsigned int blocNum,
                                                  const std::vector<Tasto>& tasti) {
    std::vector<Pressione> pressioni;
    for (const Tasto& tasto : tasti) {
        const std::optional<Pressione> pressione = PressioneDi(d, stato, blocNum, tasto);
        if (!pressione) {
            return std::nullopt;
        }
        pressioni.push_back(*pressione);
    }
    return pressioni;
}

// How long a window that was just activated must go without repainting before the first key:
// a calculator just started draws itself in several passes, and a starved one is slow to
// repaint for the focus it was given.
constexpr std::chrono::milliseconds QUIETE_INIZIALE{500};

// A calculator that animates its buttons may drop a key that comes again while its button is
// still down (galculator), and a starved machine was seen to repaint the release more than
// the usual stillness after the press: before the same key again, the window must stay still
// this many times longer.
constexpr int QUIETE_PER_RIPETUTO = 3;

enum class Esito {
    Mostrati,    // the window showed every key
    NonMostrato, // a key was not shown in time
    FuocoPerso,  // the window lost the focus
};

// Types each key once the window has shown the one before; the pace is the calculator's.
Esito BattiConfermando(Display* d, Window finestra, RidisegniX11& ridisegni,
                       const std::vector<Tasto>& tasti, const std::vector<Pressione>& pressioni,
                       const RitmoTasti& ritmo) {
    using std::chrono::steady_clock;
    // A window just given the focus may still be repainting for it. Such a repaint landing
    // after the first key would be taken for that key's, and every later key would then be
    // confirmed by the repaint of the one before it. A starved program may not even have read
    // of the focus yet, so where it answers pings the stillness counts from its answer.
    if (AttendiRisposta(finestra, steady_clock::now() + ritmo.attesa) == Risposta::Scaduta) {
        return Esito::NonMostrato;
    }
    if (!ridisegni.AttendiQuiete(std::max(ritmo.quiete, QUIETE_INIZIALE),
                                 steady_clock::now() + ritmo.attesa)) {
        return Esito::NonMostrato;
    }
    for (size_t i = 0; i < pressioni.size(); ++i) {
        if (!HaIlFuoco(d, finestra)) {
            return Esito::FuocoPerso;
        }
        ridisegni.Dimentica();
        Batti(d, pressioni[i]);
        if (tasti[i].muto) {
            continue;
        }
        if (!ridisegni.Attendi(steady_clock::now() + ritmo.attesa)) {
            return Esito::NonMostrato;
        }
        const bool ripetuto =
            i + 1 < pressioni.size() && pressioni[i + 1].tasto == pressioni[i].tasto;
        const auto quiete = ripetuto ? ritmo.quiete * QUIETE_PER_RIPETUTO : ritmo.quiete;
        if (quiete.count() > 0 &&
            !ridisegni.AttendiQuiete(quiete, steady_clock::now() + ritmo.attesa)) {
            return Esito::NonMostrato;
        }
    }
    return Esito::Mostrati;
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

bool DigitaX11(std::int64_t processo, const std::vector<Tasto>& tasti, const RitmoTasti& ritmo) {
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
    RidisegniX11 ridisegni(d.get(), *finestra);
    if (!ridisegni.Disponibile()) {
        return false;
    }
    RilasciaModificatori(d.get());
    XkbStateRec stato{};
    if (XkbGetState(d.get(), XkbUseCoreKbd, &stato) != Success) {
        return false;
    }
    const unsigned int blocNum = XkbKeysymToModifiers(d.get(), XK_Num_Lock);
    const auto pressioni = PressioniDi(d.get(), stato, blocNum, tasti);
    const auto azzeramento = PressioniDi(d.get(), stato, blocNum, ritmo.azzeramento);
    if (!pressioni || !azzeramento) {
        return false;
    }
    std::vector<KeyCode> codici;
    bool serveBlocNum = false;
    for (const auto* elenco : {&*pressioni, &*azzeramento}) {
        for (const Pressione& pressione : *elenco) {
            codici.push_back(pressione.tasto);
            serveBlocNum = serveBlocNum || pressione.blocNum;
        }
    }
    const SenzaRipetizioneX11 senzaRipetizione(d.get(), codici);
    // Num Lock is turned on for the keypad's digits only while they are typed.
    if (serveBlocNum) {
        XkbLockModifiers(d.get(), XkbUseCoreKbd, blocNum, blocNum);
    }
    const Esito esito = BattiConfermando(d.get(), *finestra, ridisegni, tasti, *pressioni, ritmo);
    // The keys go to the window that has the focus when the server takes them, so the
    // clearing keys reach the calculator after any key it has not shown yet.
    if (esito == Esito::NonMostrato && HaIlFuoco(d.get(), *finestra)) {
        for (const Pressione& pressione : *azzeramento) {
            Batti(d.get(), pressione);
        }
    }
    if (serveBlocNum) {
        XkbLockModifiers(d.get(), XkbUseCoreKbd, blocNum, 0);
        XSync(d.get(), False);
    }
    return esito == Esito::Mostrati;
}
