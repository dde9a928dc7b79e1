#include "profilo/file_ntc.h"
#include "tests/profilo/cartella_prova.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SalvaParametri, ITestiScrittiTornanoGliStessiNumeri) {
    const std::vector<std::pair<ParametriNTC, std::string>> casi = {
        {{10000, 3950}, "[NTC]\r\nR0=10000\r\nB=3950\r\n"},
        {{0.5, -2.5}, "[NTC]\r\nR0=.5\r\nB=-2.5\r\n"},
        {{1E15, 0}, "[NTC]\r\nR0=1E+15\r\nB=0\r\n"},
    };
    CartellaProva cartella;
    const auto file = cartella / "nuovo.ntc";
    for (const auto& [parametri, testo] : casi) {
        ASSERT_TRUE(SalvaParametri(file, parametri));
        EXPECT_EQ(LeggiFile(file), testo);
        ParametriNTC letti{-1, -1};
        CaricaParametri(file, letti);
        EXPECT_EQ(std::pair(letti.R0, letti.B), std::pair(parametri.R0, parametri.B)) << testo;
    }
}

TEST(CaricaParametri, ChiaviMancantiValoriStraniEFileIlleggibili) {
    const std::vector<std::pair<std::string, std::pair<double, double>>> casi = {
        {"[NTC]\nR0=1E400\n", {111, 0}},         // beyond the double range: kept as it was
        {"[NTC]\nB=3950K\nR0=2,2\n", {2, 3950}}, // the leading number
        {"[Altro]\nR0=5\n", {0, 0}},
    };
    CartellaProva cartella;
    const auto file = cartella / "p.ntc";
    for (const auto& [testo, attesi] : casi) {
        ScriviFile(file, testo);
        ParametriNTC letti{111, 222};
        CaricaParametri(file, letti);
        EXPECT_EQ(std::pair(letti.R0, letti.B), attesi) << testo;
    }
    ParametriNTC letti{111, 222};
    CaricaParametri(cartella / "manca.ntc", letti);
    EXPECT_EQ(std::pair(letti.R0, letti.B), std::pair(0.0, 0.0));
}

} // namespace
