#include "curva/campi_regione.h"
#include "curva/punti_incollati.h"
#include "tests/curva/regioni.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Campi, LettiConLeRegoleDellaRegione) {
    struct Caso {
        QLocale regione;
        const char* testo;
        std::optional<double> atteso;
    };
    const std::vector<Caso> casi{
        {RegioneC(), "3950", 3950},
        {RegioneC(), " 0.5 ", 0.5},
        {RegioneC(), "-40", -40},
        {RegioneC(), "8.77e-8", 8.77e-8},
        {RegioneC(), "12,5", std::nullopt},
        {RegioneItaliana(), "12,5", 12.5},
        {RegioneItaliana(), "-0,25", -0.25},
        {RegioneItaliana(), "1,129148e-3", 1.129148e-3},
        {RegioneItaliana(), "12.5", std::nullopt},
        {RegioneItaliana(), "", std::nullopt},
        {RegioneItaliana(), "dieci", std::nullopt},
        {RegioneItaliana(), "inf", std::nullopt},
    };
    for (const Caso& caso : casi) {
        EXPECT_EQ(LeggiCampo(caso.regione, QString::fromUtf8(caso.testo)), caso.atteso)
            << caso.regione.name().toStdString() << " '" << caso.testo << "'";
    }
}

TEST(Campi, CoefficientiAPrecisionePienaCheRileggonoUgualiInOgniRegione) {
    for (const QLocale& regione : {RegioneC(), RegioneItaliana()}) {
        for (const double valore : {1.1291481324e-3, 2.341077e-4, 8.775468e-8, 3261.4584957, 1e21,
                                    -std::numeric_limits<double>::denorm_min(), 10000.0}) {
            const QString testo = TestoCampo(regione, valore);
            EXPECT_EQ(LeggiCampo(regione, testo), valore) << testo.toStdString();
        }
    }
    EXPECT_EQ(TestoCampo(RegioneItaliana(), 10000), QStringLiteral("10000"));
    EXPECT_EQ(TestoCampo(RegioneItaliana(), 0.001129148), QStringLiteral("0,001129148"));
}

TEST(Campi, TestoConPuntoPerLaGriglia) {
    EXPECT_EQ(TestoConPunto(RegioneItaliana(), QStringLiteral("-12,50")), "-12.50");
    EXPECT_EQ(TestoConPunto(RegioneItaliana(), QStringLiteral("0,01")), "0.01");
    EXPECT_EQ(TestoConPunto(RegioneC(), QStringLiteral(" 0.01 ")), "0.01");
    EXPECT_EQ(TestoConPunto(RegioneItaliana(), QStringLiteral("0.01")), "");
}

TEST(Campi, PuntiIncollatiDaUnFoglioDiCalcolo) {
    // A heading, a decimal comma, empty trailing cells, CR LF and a blank line.
    const QString testo = QStringLiteral("T\tR\r\n-40\t336450,5\t\r\n25\t10000\r\n\r\n85;1070,2\n");
    for (const QLocale& regione : {RegioneC(), RegioneItaliana()}) {
        const PuntiIncollati letti = LeggiPuntiIncollati(testo, regione);
        EXPECT_TRUE(letti.errori.isEmpty()) << letti.errori.join(u' ').toStdString();
        ASSERT_EQ(letti.punti.size(), 3U);
        EXPECT_EQ(letti.punti[0].resistenza, 336450.5);
        EXPECT_EQ(letti.punti[2].temperatura, 85);
        EXPECT_EQ(letti.punti[2].resistenza, 1070.2);
    }
    // A point region also takes a comma between the columns.
    EXPECT_EQ(LeggiPuntiIncollati(QStringLiteral("25,10000"), RegioneC()).punti.size(), 1U);
    const PuntiIncollati cattivi =
        LeggiPuntiIncollati(QStringLiteral("25\t10000\nventi\t3\n1\t2\t3\n"), RegioneItaliana());
    EXPECT_EQ(cattivi.punti.size(), 1U);
    EXPECT_EQ(cattivi.errori, (QStringList{QStringLiteral("riga 2: non è una coppia °C, Ω"),
                                           QStringLiteral("riga 3: non è una coppia °C, Ω")}));
}

// One paste is read by one rule: "1070.300" cannot be a thousands' grouping, so in this
// paste the point is the decimal one, for "3.605" as well.
TEST(Campi, UnaPastaLettaConUnaSolaRegola) {
    const PuntiIncollati letti = LeggiPuntiIncollati(
        QStringLiteral("85\t1070.300\n-40\t3.605\n25\t10000\n"), RegioneItaliana());
    ASSERT_EQ(letti.punti.size(), 3U);
    EXPECT_EQ(letti.punti[0].resistenza, 1070.3);
    EXPECT_EQ(letti.punti[1].resistenza, 3.605);
    EXPECT_EQ(letti.punti[2].resistenza, 10000);
}

// Where nothing in a paste decides, the region's rule reads it and the panel says so,
// offering the other reading.
TEST(Campi, UnaPastaAmbiguaDiceComeLHaLetta) {
    struct Caso {
        QLocale regione;
        const char* testo;
        std::vector<double> resistenze;
        SeparatoreDecimale separatore;
        const char* ambiguo;
    };
    const std::vector<Caso> casi{
        {RegioneItaliana(),
         "25\t10.000\n30\t3.605\n",
         {10000, 3605},
         SeparatoreDecimale::Virgola,
         "10.000"},
        {RegioneC(), "25\t10,000\n30\t3,605\n", {10000, 3605}, SeparatoreDecimale::Punto, "10,000"},
        // Decided: a comma as the decimal separator, so "1.234,5" groups with the point.
        {RegioneC(), "25\t1.234,5\n30\t3.605\n", {1234.5, 3605}, SeparatoreDecimale::Virgola, ""},
        {RegioneItaliana(),
         "25\t1,234,567\n30\t3,605\n",
         {1234567, 3605},
         SeparatoreDecimale::Punto,
         ""},
        {RegioneItaliana(), "25\t10000\n", {10000}, SeparatoreDecimale::Virgola, ""},
    };
    for (const Caso& caso : casi) {
        const PuntiIncollati letti =
            LeggiPuntiIncollati(QString::fromUtf8(caso.testo), caso.regione);
        std::vector<double> resistenze;
        for (const PuntoRT& punto : letti.punti) {
            resistenze.push_back(punto.resistenza);
        }
        EXPECT_EQ(resistenze, caso.resistenze) << caso.testo;
        EXPECT_EQ(letti.separatore, caso.separatore) << caso.testo;
        EXPECT_EQ(letti.ambiguo, QString::fromUtf8(caso.ambiguo)) << caso.testo;
    }
    // The other reading, asked for.
    const PuntiIncollati altra = LeggiPuntiIncollati(QStringLiteral("25\t10.000\n30\t3.605\n"),
                                                     RegioneItaliana(), SeparatoreDecimale::Punto);
    ASSERT_EQ(altra.punti.size(), 2U);
    EXPECT_EQ(altra.punti[1].resistenza, 3.605);
    // A number the rule cannot read is a bad line, not another reading.
    const PuntiIncollati misti =
        LeggiPuntiIncollati(QStringLiteral("25\t1070.300\n30\t1,5\n"), RegioneItaliana());
    EXPECT_EQ(misti.punti.size(), 1U);
    EXPECT_EQ(misti.errori.size(), 1);
}
