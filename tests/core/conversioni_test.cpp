#include "core/conversioni.h"
#include "core/parametri_ntc.h"
#include "core/regione.h"
#include "core/testi_numerici.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr ParametriNTC SENSORE{10000, 3950};

struct Caso {
    ParametriNTC parametri;
    double ingresso;
    double atteso;
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << "R0=" << c.parametri.R0 << " B=" << c.parametri.B << " x=" << c.ingresso;
}

// Results of the model, compared to within a few units in the last place.
class OhmCalcolati : public ::testing::TestWithParam<Caso> {};

TEST_P(OhmCalcolati, ValoreDelModello) {
    const Caso c = GetParam();
    EXPECT_DOUBLE_EQ(CalcolaOhm(c.parametri, c.ingresso), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(CalcolaOhm, OhmCalcolati,
                         ::testing::Values(Caso{SENSORE, 25, 10000},
                                           Caso{SENSORE, 100, 697.5197729861881},
                                           Caso{SENSORE, -40, 401859.72462500236},
                                           // A negative B mirrors the curve around R0.
                                           Caso{{10000, -3950}, 100, 1e8 / 697.5197729861881},
                                           Caso{{10000, -3950}, 25, 10000}));

TEST(CalcolaOhm, AppenaSopraLOverflowDelProdottoCalcola) {
    const double r = CalcolaOhm(SENSORE, -267.6);
    EXPECT_TRUE(std::isfinite(r));
    EXPECT_GT(r, 1e307);
}

TEST(CalcolaOhm, VenticinqueGradiDannoEsattamenteR0) {
    EXPECT_EQ(CalcolaOhm(SENSORE, 25), 10000.0);
}

// Failures and the sentinel that the parameters choose for them.
class OhmFalliti : public ::testing::TestWithParam<Caso> {};

TEST_P(OhmFalliti, Sentinella) {
    const Caso c = GetParam();
    EXPECT_EQ(CalcolaOhm(c.parametri, c.ingresso), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    CalcolaOhm, OhmFalliti,
    ::testing::Values(
        // Division by zero at absolute zero, overflow of the exponential just above it,
        // and overflow of the product up to about -267.62.
        Caso{SENSORE, -273.15, ERRORE_CALCOLO}, Caso{SENSORE, -273.1, ERRORE_CALCOLO},
        Caso{SENSORE, -267.7, ERRORE_CALCOLO}, Caso{SENSORE, -267.62, ERRORE_CALCOLO},
        // Below absolute zero there is no resistance to report.
        Caso{SENSORE, -300, ERRORE_CALCOLO}, Caso{SENSORE, -273.16, ERRORE_CALCOLO},
        Caso{{0, 3950}, -300, ERRORE_R0}, Caso{{10000, -3950}, -300, ERRORE_B},
        Caso{SENSORE, NaN, ERRORE_CALCOLO},
        // Parameters not set give no made-up resistance.
        Caso{{0, 0}, 25, ERRORE_R0}, Caso{{0, 0}, -10, ERRORE_R0}, Caso{{0, 3950}, 25, ERRORE_R0},
        Caso{{-5, 3950}, 25, ERRORE_R0}, Caso{{NaN, 3950}, 25, ERRORE_R0},
        Caso{{10000, 0}, 25, ERRORE_B}, Caso{{10000, 0}, -273.15, ERRORE_B},
        Caso{{10000, -3950}, -273.15, ERRORE_B}, Caso{{10000, NaN}, 25, ERRORE_B}));

class TemperatureCalcolate : public ::testing::TestWithParam<Caso> {};

// The logarithm loses some digits of the input, hence a tolerance.
TEST_P(TemperatureCalcolate, ValoreDelModello) {
    const Caso c = GetParam();
    EXPECT_NEAR(CalcolaTemperatura(c.parametri, c.ingresso), c.atteso, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(CalcolaTemperatura, TemperatureCalcolate,
                         ::testing::Values(Caso{SENSORE, 10000, 25},
                                           Caso{SENSORE, 1000, 87.71967429595793},
                                           Caso{SENSORE, 697.5197729861881, 100},
                                           Caso{SENSORE, 401859.72462500236, -40}));

TEST(CalcolaTemperatura, R0SiMostraComeVenticinqueGradi) {
    EXPECT_EQ(FormattaNumero(CalcolaTemperatura(SENSORE, 10000), Regione{}), "25.0");
}

TEST(CalcolaTemperatura, BNegativoSiCalcolaEInverteCalcolaOhm) {
    const ParametriNTC p{10000, -3950};
    const double t = CalcolaTemperatura(p, 1000);
    ASSERT_NE(t, ERRORE_B);
    EXPECT_NEAR(CalcolaOhm(p, t), 1000, 1e-9);
}

class TemperatureFallite : public ::testing::TestWithParam<Caso> {};

TEST_P(TemperatureFallite, Sentinella) {
    const Caso c = GetParam();
    EXPECT_EQ(CalcolaTemperatura(c.parametri, c.ingresso), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    CalcolaTemperatura, TemperatureFallite,
    ::testing::Values(Caso{SENSORE, 0, ERRORE_CALCOLO}, Caso{SENSORE, -5, ERRORE_CALCOLO},
                      Caso{SENSORE, NaN, ERRORE_CALCOLO}, Caso{{0, 0}, 1000, ERRORE_R0},
                      Caso{{NaN, 3950}, 1000, ERRORE_R0}, Caso{{10000, 0}, 1000, ERRORE_B},
                      Caso{{10000, -3950}, 0, ERRORE_B},
                      // Beyond the pole of the formula the result would lie below absolute zero.
                      Caso{SENSORE, 0.001, ERRORE_CALCOLO}, Caso{SENSORE, 1e-300, ERRORE_CALCOLO},
                      Caso{{10000, -3950}, 1e10, ERRORE_B},
                      // R / R0 overflows to infinity.
                      Caso{{1e-10, 3950}, 1e308, ERRORE_CALCOLO}));

TEST(CalcolaTemperatura, VicinoAlPoloRestaSopraLoZeroAssoluto) {
    // ln(R / R0) / B just above -1 / 298.15: a huge but valid temperature.
    const double t = CalcolaTemperatura(SENSORE, 0.0177);
    EXPECT_GT(t, 1000);
    EXPECT_TRUE(std::isfinite(t));
}

struct CasoUnita {
    double temperatura;
    const char* unita;
    double atteso;
};

void PrintTo(const CasoUnita& c, std::ostream* os) {
    *os << c.temperatura << " \"" << c.unita << "\"";
}

class Unita : public ::testing::TestWithParam<CasoUnita> {};

// Exact equality: the order of the operations is fixed.
TEST_P(Unita, RisultatoEsatto) {
    const CasoUnita c = GetParam();
    EXPECT_EQ(ConvertiTemperatura(c.temperatura, c.unita), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    ConvertiTemperatura, Unita,
    ::testing::Values(
        CasoUnita{25, "F", 77}, CasoUnita{37, "F", 98.60000000000001}, CasoUnita{-40, "F", -40},
        CasoUnita{25, "K", 298.15}, CasoUnita{-40, "K", 233.14999999999998},
        CasoUnita{-273.15, "K", 0}, CasoUnita{-273.15, "F", -459.66999999999996},
        CasoUnita{-273.16, "K", ERRORE_CALCOLO}, CasoUnita{-273.16, "F", ERRORE_CALCOLO},
        CasoUnita{-273.16, "X", ERRORE_CALCOLO}, CasoUnita{25, "k", 0}, CasoUnita{25, "C", 0},
        CasoUnita{25, "", 0}, CasoUnita{25, "FF", 0}, CasoUnita{-273.15, "C", 0},
        CasoUnita{1e308, "F", ERRORE_CALCOLO}, CasoUnita{NaN, "F", ERRORE_CALCOLO}));

TEST(ConvertiTemperatura, SiMostraComeNelRegistro) {
    const Regione punto;
    EXPECT_EQ(FormattaNumero(ConvertiTemperatura(37, "F"), punto), "98.6");
    EXPECT_EQ(FormattaNumero(ConvertiTemperatura(-40, "K"), punto), "233.15");
    EXPECT_EQ(FormattaNumero(ConvertiTemperatura(-273.15, "K"), punto), "0.0");
}

TEST(AzzeraParametri, LasciaEntrambiNonImpostati) {
    ParametriNTC& p = ParametriCorrenti();
    p = SENSORE;
    AzzeraParametri(p);
    EXPECT_EQ(ParametriCorrenti().R0, 0);
    EXPECT_EQ(ParametriCorrenti().B, 0);
}

} // namespace
