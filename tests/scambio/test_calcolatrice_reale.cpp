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

#include <array>
#include <csignal>
#include <optional>

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

// Gives every window that names the process da in _NET_WM_PID the process a instead.
bool ImpostaPidFinestre(std::int64_t da, std::int64_t a) {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        return false;
    }
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    int cambiate = 0;
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
            static_cast<std::int64_t>(*reinterpret_cast<unsigned long*>(dati)) == da) {
            const unsigned long nuovo = static_cast<unsigned long>(a);
            XChangeProperty(d, w, pidAtom, XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&nuovo), 1);
            ++cambiate;
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
    XCloseDisplay(d);
    return cambiate > 0;
}

const std::vector<CandidatoCalcolatrice> FINTA{{CALCOLATRICE_FINTA, {}, ModoScrittura::MateCalc}};
const Regione PUNTO{".", ","};

TEST(CalcolatriceReale, IlNumeroArrivaComeUnSoloArgomentoAllAvvio) {
    const CartellaFinta cartella;
    const std::vector<CandidatoCalcolatrice> candidati{
        {"/nessuna/calcolatrice", {"{numero}"}},
        {CALCOLATRICE_FINTA, {"--equation={numero}"}, ModoScrittura::Testo},
    };
    InviaCalcolatrice comando(
        std::make_unique<PiattaformaLinux>(PUNTO, candidati, SessioneGrafica::Wayland), PUNTO);
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    comando.Invia("-1E+20");
    ASSERT_EQ(concluso.count(), 1);
    EXPECT_TRUE(concluso.at(0).at(0).toBool());
    EXPECT_EQ(cartella.Leggi("argomenti"), "--equation=-1E+20\n");
}

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

TEST(DigitazioneX11, NienteTastiAUnaFinestraCheHaPersoIlFuoco) {
    const std::array<CartellaFinta, 2> cartelle;
    const auto avviati = AvviaDueFinte(cartelle);
    ASSERT_TRUE(avviati);
    const std::array<std::int64_t, 2> processi = *avviati;
    EXPECT_FALSE(DigitaX11(processi[0], {{.carattere = '7'}}, 0ms));
    QTest::qWait(300);
    EXPECT_FALSE(cartelle[0].Leggi("testo", 0));
    EXPECT_FALSE(cartelle[1].Leggi("testo", 0));
    EXPECT_TRUE(DigitaX11(processi[1], {{.carattere = '7'}}, 0ms));
    EXPECT_EQ(cartelle[1].Leggi("testo"), "7");
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
    EXPECT_TRUE(DigitaX11(processi[1], {{.carattere = '7'}}, 0ms));
    EXPECT_EQ(cartelle[1].Leggi("testo"), "7");
    QTest::qWait(300);
    EXPECT_FALSE(cartelle[0].Leggi("testo", 0));
}

} // namespace
