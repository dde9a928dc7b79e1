#include "exchange/invia_calcolatrice.h"
#include "exchange/piattaforma_linux.h"
#include "exchange/tastiera_x11.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

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

const std::vector<CandidatoCalcolatrice> kFinta{{CALCOLATRICE_FINTA, {}}};

TEST(CalcolatriceReale, IlNumeroArrivaComeUnSoloArgomentoAllAvvio) {
    const CartellaFinta cartella;
    const std::vector<CandidatoCalcolatrice> candidati{
        {"/nessuna/calcolatrice", {"{numero}"}},
        {CALCOLATRICE_FINTA, {"--equation={numero}"}},
    };
    InviaCalcolatrice comando(
        std::make_unique<PiattaformaLinux>(candidati, SessioneGrafica::Wayland), {".", ","});
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    comando.Invia("-1E+20");
    ASSERT_EQ(concluso.count(), 1);
    EXPECT_TRUE(concluso.at(0).at(0).toBool());
    EXPECT_EQ(cartella.Leggi("argomenti"), "--equation=-1E+20\n");
}

TEST(DigitazioneX11, IlTestoArrivaComeMostrato) {
    const CartellaFinta cartella;
    InviaCalcolatrice comando(std::make_unique<PiattaformaLinux>(kFinta, SessioneGrafica::X11),
                              {".", ","});
    QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
    comando.Invia("1E+20");
    ASSERT_TRUE(concluso.wait(15000));
    EXPECT_TRUE(concluso.at(0).at(0).toBool());
    EXPECT_TRUE(QTest::qWaitFor([&] { return cartella.Leggi("testo", 0) == "1E+20"; }, 5000))
        << "arrived as " << cartella.Leggi("testo", 0).value_or("nothing").data();
}

TEST(DigitazioneX11, NienteTastiAUnaFinestraCheHaPersoIlFuoco) {
    PiattaformaLinux piattaforma(kFinta, SessioneGrafica::X11);
    const std::array<CartellaFinta, 2> cartelle;
    std::array<std::int64_t, 2> processi{};
    for (size_t i = 0; i < 2; ++i) {
        qputenv("BREVANTO_CALCOLATRICE_FINTA", cartelle.at(i).path().toUtf8());
        const auto avvio = piattaforma.Avvia("0");
        ASSERT_TRUE(avvio);
        processi.at(i) = avvio->processo;
        ASSERT_TRUE(QTest::qWaitFor([&] { return AttivaFinestraX11(processi.at(i)); }, 10000));
    }
    EXPECT_FALSE(DigitaX11(processi[0], {{.carattere = '7'}}));
    QTest::qWait(300);
    EXPECT_FALSE(cartelle[0].Leggi("testo", 0));
    EXPECT_FALSE(cartelle[1].Leggi("testo", 0));
    EXPECT_TRUE(DigitaX11(processi[1], {{.carattere = '7'}}));
    EXPECT_EQ(cartelle[1].Leggi("testo"), "7");
}

} // namespace
