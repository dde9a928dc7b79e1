#include "cartella_prova.h"
#include "files/dichiarazioni.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SalvaParametri, ScriveENumeriTornanoUguali) {
    struct Caso {
        ParametriNTC parametri;
        const char* file;
    };
    const std::vector<Caso> casi = {
        {{10000, 3950}, "[NTC]\r\nR0=10000\r\nB=3950\r\n"},
        {{0, 0}, "[NTC]\r\nR0=0\r\nB=0\r\n"},
        {{0.5, -2.5}, "[NTC]\r\nR0=.5\r\nB=-2.5\r\n"},
        {{1E15, 12345.678}, "[NTC]\r\nR0=1E+15\r\nB=12345.678\r\n"},
    };
    CartellaProva cartella;
    for (const Caso& caso : casi) {
        const auto file = cartella / "parametri salvati.ntc";
        std::filesystem::remove(file);
        ASSERT_TRUE(SalvaParametri(file, caso.parametri));
        EXPECT_EQ(LeggiFile(file), caso.file);
        ParametriNTC letti{-1, -1};
        CaricaParametri(file, letti);
        EXPECT_EQ(letti.R0, caso.parametri.R0) << caso.file;
        EXPECT_EQ(letti.B, caso.parametri.B) << caso.file;
    }
}

TEST(SalvaParametri, CambiaSoloIDueValori) {
    CartellaProva cartella;
    const auto file = cartella / "p.ntc";
    ScriviFile(file, "[Sonda]\nnome=T1\n[NTC]\nR0=1\nnota=x\nB=2\n");
    ASSERT_TRUE(SalvaParametri(file, {4700, 3435}));
    EXPECT_EQ(LeggiFile(file), "[Sonda]\nnome=T1\n[NTC]\nR0=4700\r\nnota=x\nB=3435\r\n");
}

TEST(SalvaParametri, RiportaIlFallimento) {
    CartellaProva cartella;
    ScriviFile(cartella / "file", "x");
    EXPECT_FALSE(SalvaParametri(cartella / "file" / "p.ntc", {1, 2}));
    EXPECT_EQ(ScriviProfilo(cartella / "file" / "p.ntc", "NTC", "R0", "1"), 0);
    EXPECT_NE(ScriviProfilo(cartella / "p.ntc", "NTC", "R0", "1"), 0);
}

TEST(CaricaParametri, LeggeIValoriComeTestiNumerici) {
    struct Caso {
        const char* contenuto;
        double r0;
        double b;
    };
    const std::vector<Caso> casi = {
        {"[NTC]\nR0=10000\nB=3950K\n", 10000, 3950},
        {"[NTC]\nR0=2,2\nB=abc\n", 2, 0},
        {"[NTC]\nB=3950\n", 0, 3950},
        {"[Altro]\nR0=1\nB=2\n", 0, 0},
        {"non un file di parametri", 0, 0},
        {"[ntc]\r\nr0 = \"1 000\"\r\nb='-.5'", 1000, -0.5},
        // Beyond the double range: the parameter keeps what it had.
        {"[NTC]\nR0=1E400\nB=3950\n", 111, 3950},
        {"[NTC]\nR0=10\nB=-1E400\n", 10, 222},
    };
    CartellaProva cartella;
    for (const Caso& caso : casi) {
        const auto file = cartella / "p.ntc";
        ScriviFile(file, caso.contenuto);
        ParametriNTC parametri{111, 222};
        CaricaParametri(file, parametri);
        EXPECT_EQ(parametri.R0, caso.r0) << caso.contenuto;
        EXPECT_EQ(parametri.B, caso.b) << caso.contenuto;
    }
}

TEST(CaricaParametri, FileMancanteOCartellaAzzeranoEntrambi) {
    CartellaProva cartella;
    std::filesystem::create_directory(cartella / "cartella.ntc");
    for (const char* nome : {"manca.ntc", "cartella.ntc"}) {
        ParametriNTC parametri{10000, 3950};
        CaricaParametri(cartella / nome, parametri);
        EXPECT_EQ(parametri.R0, 0) << nome;
        EXPECT_EQ(parametri.B, 0) << nome;
    }
}

TEST(CaricaParametri, ValoreLungoLettoNeiPrimi254Caratteri) {
    CartellaProva cartella;
    const auto file = cartella / "lungo.ntc";
    // 10 000 digits would overflow; the first 254 of them read as 7E+253.
    ScriviFile(file, "[NTC]\nR0=7" + std::string(9999, '0') + "\nB=1\n");
    ParametriNTC parametri;
    CaricaParametri(file, parametri);
    EXPECT_EQ(parametri.R0, 7E253);
    EXPECT_EQ(parametri.B, 1);
    EXPECT_EQ(LeggiProfilo(file, "NTC", "R0", "0").size(), 254U);
}

TEST(LeggiProfilo, PredefinitoPerTuttoCioCheManca) {
    CartellaProva cartella;
    const auto file = cartella / "p.ntc";
    ScriviFile(file, "[NTC]\nR0=5\n");
    EXPECT_EQ(LeggiProfilo(file, "NTC", "R0", "0"), "5");
    EXPECT_EQ(LeggiProfilo(file, "NTC", "B", "0"), "0");
    EXPECT_EQ(LeggiProfilo(file, "Altro", "R0", "x"), "x");
    EXPECT_EQ(LeggiProfilo(cartella / "manca.ntc", "NTC", "R0", std::string(300, 'd')),
              std::string(254, 'd'));
}

} // namespace
