#include "calcolatrice_finta_registro.h"
#include "exchange/invia_calcolatrice.h"
#include "exchange/piattaforma_linux.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const Regione kPunto{".", ","};

TEST(CalcolatriceReale, IlNumeroArrivaComeArgomentoAllAvvio) {
    for (const std::string registro : {"-25", "1E+20", "12.5"}) {
        QTemporaryDir cartella;
        ASSERT_TRUE(cartella.isValid());
        qputenv("BREVANTO_CALCOLATRICE_FINTA", cartella.path().toUtf8());
        const std::vector<CandidatoCalcolatrice> candidati{
            {"/nessuna/calcolatrice", {"{numero}"}},
            {CALCOLATRICE_FINTA, {"--equation={numero}"}},
        };
        InviaCalcolatrice comando(
            std::make_unique<PiattaformaLinux>(candidati, SessioneGrafica::Wayland), kPunto);
        QSignalSpy concluso(&comando, &InviaCalcolatrice::Concluso);
        comando.Invia(registro);
        ASSERT_EQ(concluso.count(), 1);
        EXPECT_TRUE(concluso.at(0).at(0).toBool());
        EXPECT_EQ(LeggiRegistro(cartella.path(), "argomenti"),
                  QByteArray::fromStdString("--equation=" + registro + "\n"));
    }
}

TEST(CalcolatriceReale, NessunaCalcolatriceInstallataNonAvviaNulla) {
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    QFile nonEseguibile(cartella.filePath("calc"));
    ASSERT_TRUE(nonEseguibile.open(QIODevice::WriteOnly));
    nonEseguibile.close();
    const std::vector<CandidatoCalcolatrice> candidati{
        {"/nessuna/calcolatrice", {}},
        {cartella.filePath("calc").toStdString(), {"{numero}"}},
    };
    PiattaformaLinux piattaforma(candidati, SessioneGrafica::X11);
    EXPECT_FALSE(piattaforma.Avvia("25"));
}

} // namespace
