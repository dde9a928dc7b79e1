#include "calcolatrice_finta_registro.h"
#include "exchange/invia_calcolatrice.h"
#include "exchange/piattaforma_linux.h"
#include "exchange/tastiera_x11.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const Regione kPunto{".", ","};

class CalcolatriceX11 : public testing::Test {
protected:
    ~CalcolatriceX11() override {
        for (const QTemporaryDir* cartella : {&prima, &seconda}) {
            TerminaCalcolatriceFinta(cartella->path());
        }
    }

    static std::int64_t Avvia(PiattaformaLinux& piattaforma, const QTemporaryDir& cartella) {
        qputenv("BREVANTO_CALCOLATRICE_FINTA", cartella.path().toUtf8());
        const auto avvio = piattaforma.Avvia("0");
        return avvio ? avvio->processo : 0;
    }

    static bool AttendiAttiva(std::int64_t processo) {
        return QTest::qWaitFor([processo] { return AttivaFinestraX11(processo); }, 10000);
    }

    QTemporaryDir prima;
    QTemporaryDir seconda;
    PiattaformaLinux piattaforma{{{CALCOLATRICE_FINTA, {}}}, SessioneGrafica::X11};
};

TEST_F(CalcolatriceX11, IlTestoArrivaComeMostrato) {
    for (const std::string registro : {"1E+20", "-25", "12.5"}) {
        QTemporaryDir cartella;
        qputenv("BREVANTO_CALCOLATRICE_FINTA", cartella.path().toUtf8());
        InviaCalcolatrice comando(
            std::make_unique<PiattaformaLinux>(
                std::vector<CandidatoCalcolatrice>{{CALCOLATRICE_FINTA, {}}}, SessioneGrafica::X11),
            kPunto);
        QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
        comando.Invia(registro);
        EXPECT_TRUE(concluso.wait(15000)) << registro;
        ASSERT_EQ(concluso.count(), 1);
        EXPECT_TRUE(concluso.at(0).at(0).toBool()) << registro;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return LeggiRegistro(cartella.path(), "testo", 0) ==
                       QByteArray::fromStdString(registro);
            },
            5000))
            << registro << " arrived as "
            << LeggiRegistro(cartella.path(), "testo", 0).value_or("nothing").toStdString();
        TerminaCalcolatriceFinta(cartella.path());
    }
}

TEST_F(CalcolatriceX11, NienteTastiAUnaFinestraCheHaPersoIlFuoco) {
    const std::int64_t primo = Avvia(piattaforma, prima);
    ASSERT_GT(primo, 0);
    ASSERT_TRUE(AttendiAttiva(primo));
    const std::int64_t secondo = Avvia(piattaforma, seconda);
    ASSERT_GT(secondo, 0);
    ASSERT_TRUE(AttendiAttiva(secondo));

    EXPECT_FALSE(DigitaX11(primo, {{.carattere = '7'}}));
    QTest::qWait(300);
    EXPECT_FALSE(LeggiRegistro(prima.path(), "testo", 0));
    EXPECT_FALSE(LeggiRegistro(seconda.path(), "testo", 0));

    EXPECT_TRUE(DigitaX11(secondo, {{.carattere = '7'}}));
    EXPECT_EQ(LeggiRegistro(seconda.path(), "testo"), "7");
}

TEST(FinestreX11, UnProcessoSenzaFinestraNonSiAttivaNeRiceveTasti) {
    const auto noi = static_cast<std::int64_t>(getpid());
    EXPECT_FALSE(AttivaFinestraX11(noi));
    EXPECT_FALSE(DigitaX11(noi, {{.carattere = '1'}}));
}

} // namespace
