#include "modelli/beta_tra.h"
#include "profilo/file_ntc.h"
#include "tests/curva/regioni.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using F = FinestraCurva;

QByteArray Contenuto(const QString& percorso) {
    QFile file(percorso);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

TEST(FileModello, UnaBetaSalvataQuiSiApreNellaCalcolatrice) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("sonda.ntc"));
    F finestra(RegioneItaliana());
    Scrivi(finestra, "beta", "R0", QStringLiteral("4700,5"));
    EXPECT_EQ(finestra.SalvaParametri(percorso), QString());
    ParametriNTC calcolatrice;
    CaricaParametri(percorso.toStdString(), calcolatrice);
    EXPECT_EQ(calcolatrice.R0, 4700.5);
    EXPECT_EQ(calcolatrice.B, 3950);

    F altra(RegioneC());
    EXPECT_EQ(altra.ApriParametri(percorso), QString());
    EXPECT_EQ(CampoDi(altra, "beta", "R0")->text(), QStringLiteral("4700.5"));
}

TEST(FileModello, SteinhartHartAPrecisionePienaAccantoAllaBetaDellaCalcolatrice) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("sonda.ntc"));
    // A file the calculator wrote, with a comment of the user's: both stay.
    {
        QFile file(percorso);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("; sonda del forno\r\n[NTC]\r\nR0=10000\r\nB=3950\r\n");
    }
    F finestra(RegioneC());
    finestra.ScegliTipo(*TipoDaNome("steinhart-hart"));
    Scrivi(finestra, "steinhart-hart", "A", QStringLiteral("0.0011291481324"));
    Scrivi(finestra, "steinhart-hart", "B", QStringLiteral("0.000234107705"));
    Scrivi(finestra, "steinhart-hart", "C", QStringLiteral("8.7754682e-8"));
    EXPECT_EQ(finestra.SalvaParametri(percorso), QString());
    const QByteArray testo = Contenuto(percorso);
    EXPECT_TRUE(testo.startsWith("; sonda del forno\r\n[NTC]\r\n")) << testo.toStdString();
    EXPECT_TRUE(testo.contains("[Steinhart-Hart]\r\nA=0.0011291481324\r\n")) << testo.toStdString();
    EXPECT_TRUE(testo.contains("C=8.7754682e-08")) << testo.toStdString();

    // The calculator reads the model's R25 and B25/85.
    ParametriNTC calcolatrice;
    CaricaParametri(percorso.toStdString(), calcolatrice);
    const ModelloSteinhartHart modello({0.0011291481324, 0.000234107705, 8.7754682e-8});
    EXPECT_NEAR(calcolatrice.R0, *modello.Resistenza(25), 1e-9 * calcolatrice.R0);
    EXPECT_NEAR(calcolatrice.B, *BetaTra(modello, 25, 85), 1e-9 * calcolatrice.B);

    F altra(RegioneItaliana());
    EXPECT_EQ(altra.ApriParametri(percorso), QString());
    EXPECT_EQ(altra.Numero(CampoDi(altra, "steinhart-hart", "A")), 0.0011291481324);
    EXPECT_EQ(altra.Numero(CampoDi(altra, "steinhart-hart", "C")), 8.7754682e-8);
    EXPECT_EQ(CampoDi(altra, "steinhart-hart", "A")->text(), QStringLiteral("0,0011291481324"));
}

TEST(FileModello, FileSenzaModelloOIlleggibile) {
    QTemporaryDir cartella;
    F finestra(RegioneC());
    const QString vuoto = cartella.filePath(QStringLiteral("vuoto.ntc"));
    {
        QFile file(vuoto);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[NTC]\r\nR0=0\r\nB=3950\r\n");
    }
    EXPECT_NE(finestra.ApriParametri(vuoto), QString());
    EXPECT_NE(finestra.ApriParametri(cartella.filePath(QStringLiteral("manca.ntc"))), QString());
    EXPECT_EQ(CampoDi(finestra, "beta", "R0")->text(), QStringLiteral("10000"));
    EXPECT_NE(finestra.SalvaParametri(cartella.filePath(QStringLiteral("manca/sonda.ntc"))),
              QString());
}
