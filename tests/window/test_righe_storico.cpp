#include "window/righe_storico.h"

#include <gtest/gtest.h>

namespace {

const Regione PUNTO{".", ","};
const Regione VIRGOLA{",", "."};

TEST(RigheStorico, OgniCodiceDellaTabella) {
    const ParametriNTC p{4700, 3950};
    const QString reg = QStringLiteral("25");
    struct Caso {
        qint16 codice;
        double valore;
        const char* riga;
    };
    const Caso casi[] = {
        {0, 0, "-> R0 = 4700.0"},
        {1, 0, "-> B  = 3950.0"},
        {10, 0, "Reset eseguito"},
        {20, 25, "25 [Ohm] = 25.0 [°C]"},
        {21, 10000, "25 [°C] = 10000.0 [Ohm]"},
        {22, 77, "25 [°C] = 77.0 [°F]"},
        {23, 298.15, "25 [°C] = 298.15 [K]"},
        {30, 5, "25 [Ohm] = Errore"},
        {31, 5, "25 [°C] = Errore"},
        {32, 5, "25 [°C] = Errore"},
        {33, 5, "25 [°C] = Errore"},
        {95, 0, "Salvataggio non riuscito !"},
        {96, 0, "B = 0 !"},
        {97, 0, "B > 0 !"},
        {98, 0, "R0 > 0 !"},
        {99, 0, "R0 = 0 !"},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(RigaStorico(c.codice, c.valore, reg, p, PUNTO), QString::fromUtf8(c.riga))
            << c.codice;
    }
}

TEST(RigheStorico, CodiciSenzaRiga) {
    const ParametriNTC p{10000, 3950};
    for (int codice = -200; codice <= 200; ++codice) {
        const bool elencato = codice == 0 || codice == 1 || codice == 10 ||
                              (codice >= 20 && codice <= 23) || (codice >= 30 && codice <= 33) ||
                              (codice >= 95 && codice <= 99);
        EXPECT_EQ(RigaStorico(static_cast<qint16>(codice), 1, "1", p, PUNTO).has_value(), elencato)
            << codice;
    }
    EXPECT_FALSE(RigaStorico(-32768, 1, "1", p, PUNTO));
    EXPECT_FALSE(RigaStorico(32767, 1, "1", p, PUNTO));
}

TEST(RigheStorico, RegistroCopiatoTaleQualeEValoreNelSeparatoreDellaRegione) {
    const ParametriNTC p{};
    EXPECT_EQ(RigaStorico(20, 25.5, "0", p, VIRGOLA), QStringLiteral("0 [Ohm] = 25,5 [°C]"));
    EXPECT_EQ(RigaStorico(23, 0.0000061035156, "-273.15", p, PUNTO),
              QStringLiteral("-273.15 [°C] = 0.00000610352 [K]"));
    EXPECT_EQ(RigaStorico(31, 0, "-300", p, PUNTO), QStringLiteral("-300 [°C] = Errore"));
}

TEST(RigheStorico, BloccoParametri) {
    EXPECT_EQ(BloccoParametri(ParametriNTC{}, PUNTO),
              (QStringList{"Parametri NTC:", "* R0 = 0.0", "* B  = 0.0", ""}));
    EXPECT_EQ(BloccoParametri(ParametriNTC{0.5, 3950}, VIRGOLA),
              (QStringList{"Parametri NTC:", "* R0 = 0,5", "* B  = 3950,0", ""}));
}

} // namespace
