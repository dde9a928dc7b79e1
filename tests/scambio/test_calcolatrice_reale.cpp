#include "scambio/invia_calcolatrice.h"
#include "scambio/piattaforma_linux.h"
#include "scambio/tastiera_x11.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <array>
#include <csignal>
#include <optional>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A folder for the stand-in calculator started next to record in; ends it with the test.
struct CartellaFinta : QTemporaryDir {
    CartellaFinta() { qputenv("BREVANTO_CALCOLATRICE_FINTA", path().toUtf8()); }
    ~CartellaFinta() {
        if (const auto pid = Leggi("pid", 0); pid && pid->toInt() > 0) {
            ::kill(pid->toInt(), SIGTERM);
        }
    }

    // What the stand-in recorded under the name, once it exists.
    [[nodiscard]] std::optional<QByteArray> Leggi(const QString& nome, int attesaMs = 5000) const {
        QFile file(filePath(nome));
        if (!QTest::qWaitFor([&] { return file.exists(); }, attesaMs) ||
            !file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return file.readAll();
    }
};

// The windows that name the process in _NET_WM_PID, which any client may set.
std::vector<Window> FinestreConPid(Display* d, std::int64_t processo) {
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    std::vector<Window> trovate;
    std::vector<Window> daVedere{DefaultRootWindow(d)};
    while (!daVedere.empty()) {
        const Window w = daVedere.back();
        daVedere.pop_back();
        Atom tipo = None;
        int formato = 0;
        unsigned long quanti = 0;
        unsigned long restanti = 0;
        unsigned char* dati = nullptr;
        if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &tipo, &formato, &quanti,
                               &restanti, &dati) == Success &&
            dati != nullptr && quanti == 1 &&
            static_cast<std::int64_t>(*reinterpret_cast<unsigned long*>(dati)) == processo) {
            trovate.push_back(w);
        }
        XFree(dati);
        Window radice = 0;
        Window genitore = 0;
        Window* figli = nullptr;
        unsigned int numero = 0;
        if (XQueryTree(d, w, &radice, &genitore, &figli, &numero) != 0) {
            daVedere.insert(daVedere.end(), figli, figli + numero);
            XFree(figli);
        }
    }
    return trovate;
}

// Gives every window that names the process da in _NET_WM_PID the process a instead.
bool ImpostaPidFinestre(std::int64_t da, std::int64_t a) {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        return false;
    }
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    const std::vector<Window> finestre = FinestreConPid(d, da);
    const unsigned long nuovo = static_cast<unsigned long>(a);
    for (const Window w : finestre) {
        XChangeProperty(d, w, pidAtom, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&nuovo), 1);
    }
    XCloseDisplay(d);
    return !finestre.empty();
}

// Whether a window of the process is on screen, focused or not.
bool FinestraMostrata(std::int64_t processo) {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        return false;
    }
    bool mostrata = false;
    for (const Window w : FinestreConPid(d, processo)) {
        XWindowAttributes attributi;
        mostrata = mostrata || (XGetWindowAttributes(d, w, &attributi) != 0 &&
                                attributi.map_state == IsViewable);
    }
    XCloseDisplay(d);
    return mostrata;
}

// The stand-in's line edit repaints for a key's release as well as for its press, as
// galculator's buttons do, so like galculator it must stay still a while before the next key:
// else the release's repaint, drawn after the watch was reset, would confirm that next key.
constexpr std::chrono::milliseconds QUIETE_FINTA{100};
const RitmoTasti RITMO_FINTA{.quiete = QUIETE_FINTA, .azzeramento = {}};
const std::vector<CandidatoCalcolatrice> FINTA{
    {CALCOLATRICE_FINTA, {}, ModoScrittura::MateCalc, QUIETE_FINTA}};
const Regione PUNTO{".", ","};

TEST(DigitazioneX11, IlTestoArrivaComeMostrato) {
    const CartellaFinta cartella;
    InviaCalcolatrice comando(
        std::make_unique<PiattaformaLinux>(PUNTO, FINTA, SessioneGrafica::X11), PUNTO);
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    comando.Invia("-1.5E+20");
    ASSERT_TRUE(concluso.wait(15000));
    EXPECT_TRUE(concluso.at(0).at(0).toBool());
    // The stand-in's line edit takes Ctrl+E as a key of its own, so the exponent's digits
    // follow the mantissa directly.
    EXPECT_TRUE(QTest::qWaitFor([&] { return cartella.Leggi("testo", 0) == "-1.520"; }, 5000))
        << "arrived as " << cartella.Leggi("testo", 0).value_or("nothing").data();
}

// Two stand-ins started one after the other, each recording in its own folder; the
// second one's window is the active one at the end.
std::optional<std::array<std::int64_t, 2>>
AvviaDueFinte(const std::array<CartellaFinta, 2>& cartelle) {
    PiattaformaLinux piattaforma(PUNTO, FINTA, SessioneGrafica::X11);
    std::array<std::int64_t, 2> processi{};
    for (size_t i = 0; i < 2; ++i) {
        qputenv("BREVANTO_CALCOLATRICE_FINTA", cartelle.at(i).path().toUtf8());
        const auto avvio = piattaforma.Avvia("0");
        if (!avvio || !QTest::qWaitFor([&] { return AttivaFinestraX11(avvio->processo); }, 10000)) {
            return std::nullopt;
        }
        processi.at(i) = avvio->processo;
    }
    return processi;
}

// What reached a stand-in once the keys typed last have: a key is shown before the next one
// is typed, so a marker typed into it now arrives after anything sent to it before.
std::optional<QByteArray> TestoDopoUnSegno(const CartellaFinta& cartella, std::int64_t processo) {
    if (!QTest::qWaitFor([&] { return AttivaFinestraX11(processo); }, 10000) ||
        !DigitaX11(processo, {{.carattere = '8'}}, RITMO_FINTA)) {
        return std::nullopt;
    }
    return cartella.Leggi("testo");
}

TEST(DigitazioneX11, NienteTastiAUnaFinestraCheHaPersoIlFuoco) {
    const std::array<CartellaFinta, 2> cartelle;
    const auto avviati = AvviaDueFinte(cartelle);
    ASSERT_TRUE(avviati);
    const std::array<std::int64_t, 2> processi = *avviati;
    EXPECT_FALSE(DigitaX11(processi[0], {{.carattere = '7'}}, RITMO_FINTA));
    EXPECT_TRUE(DigitaX11(processi[1], {{.carattere = '7'}}, RITMO_FINTA));
    EXPECT_EQ(cartelle[1].Leggi("testo"), "7");
    EXPECT_EQ(TestoDopoUnSegno(cartelle[0], processi[0]), "8");
}

// Another client that claims the calculator's process id for its own window gets nothing:
// the window is the one whose connection the calculator's process owns.
TEST(DigitazioneX11, UnaFinestraCheSiSpacciaPerLaCalcolatriceNonRiceveNulla) {
    const std::array<CartellaFinta, 2> cartelle;
    // The decoy is the older window, so a search by _NET_WM_PID would meet it first.
    const auto avviati = AvviaDueFinte(cartelle);
    ASSERT_TRUE(avviati);
    const std::array<std::int64_t, 2> processi = *avviati;
    ASSERT_TRUE(ImpostaPidFinestre(processi[0], processi[1]));
    ASSERT_TRUE(QTest::qWaitFor([&] { return AttivaFinestraX11(processi[1]); }, 10000));
    EXPECT_TRUE(DigitaX11(processi[1], {{.carattere = '7'}}, RITMO_FINTA));
    EXPECT_EQ(cartelle[1].Leggi("testo"), "7");
    EXPECT_EQ(TestoDopoUnSegno(cartelle[0], processi[0]), "8");
}

// A calculator starved just as it gets the focus, here stopped for a second, repaints for
// the focus only once it runs again, when the first key is already on its way: that repaint
// confirms no key, and the key it does not show is still refused.
TEST(DigitazioneX11, IlRidisegnoPerIlFuocoDiUnaCalcolatriceAffamataNonConfermaTasti) {
    const CartellaFinta cartella;
    PiattaformaLinux piattaforma(PUNTO, FINTA, SessioneGrafica::X11);
    const auto avvio = piattaforma.Avvia("0");
    ASSERT_TRUE(avvio);
    const auto processo = static_cast<pid_t>(avvio->processo);
    // Stopped before it reads of the focus, it repaints for it only once it runs again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return FinestraMostrata(processo); }, 10000));
    // Runs again however the test ends, so that the folder's clean-up can end it.
    const struct Riprende {
        pid_t processo;
        ~Riprende() { ::kill(processo, SIGCONT); }
    } riprende{processo};
    ::kill(processo, SIGSTOP);
    ASSERT_TRUE(QTest::qWaitFor([&] { return AttivaFinestraX11(processo); }, 10000));
    // How long it is starved, not a wait for anything.
    std::thread riparte([processo] {
        std::this_thread::sleep_for(1s);
        ::kill(processo, SIGCONT);
    });
    const RitmoTasti ritmo{
        .attesa = 3s, .quiete = QUIETE_FINTA, .azzeramento = {{.carattere = U'\x1b'}}};
    EXPECT_FALSE(
        DigitaX11(processo, {{.carattere = '7'}, {.carattere = 'x'}, {.carattere = '8'}}, ritmo));
    riparte.join();
    EXPECT_TRUE(QTest::qWaitFor([&] { return cartella.Leggi("testo", 0) == ""; }, 5000))
        << "left as " << cartella.Leggi("testo", 0).value_or("nothing").data();
}

// Keys the program types do not repeat while typed: a server short of time may hold one down
// past the repeat delay. Afterwards they repeat again as before.
TEST(DigitazioneX11, ITastiBattutiNonSiRipetono) {
    const CartellaFinta cartella;
    PiattaformaLinux piattaforma(PUNTO, FINTA, SessioneGrafica::X11);
    const auto avvio = piattaforma.Avvia("0");
    ASSERT_TRUE(avvio);
    ASSERT_TRUE(QTest::qWaitFor([&] { return AttivaFinestraX11(avvio->processo); }, 10000));
    Display* d = XOpenDisplay(nullptr);
    ASSERT_NE(d, nullptr);
    const KeyCode sette = XKeysymToKeycode(d, XK_7);
    const auto ripete = [d, sette] {
        XKeyboardState stato{};
        XGetKeyboardControl(d, &stato);
        return (stato.auto_repeats[sette / 8] & (1 << (sette % 8))) != 0;
    };
    EXPECT_TRUE(ripete());
    EXPECT_TRUE(DigitaX11(avvio->processo, {{.carattere = '7'}, {.carattere = '7'}}, RITMO_FINTA));
    EXPECT_EQ(cartella.Leggi("ripetizione"), "00");
    EXPECT_TRUE(ripete());
    XCloseDisplay(d);
}

} // namespace
