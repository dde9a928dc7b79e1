#include "core/conversioni.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr ParametriNTC SENSORE{10000, 3950};
constexpr ParametriNTC B_NEGATIVO{10000, -3950};

struct Caso {
    ParametriNTC parametri;
    double ingresso;
    double atteso;
};

// Failures: division by zero at -273.15, overflow of exp(e) above it and of R0 × exp(e) up to
// about -267.62; below absolute zero the parameters choose the sentinel; R0 or B not set.
TEST(CalcolaOhm, ModelloESentinelle) {
    for (const auto& [p, t, atteso] :
         {Caso{SENSORE, 25, 10000}, Caso{SENSORE, 100, 697.5197729861881},
          Caso{SENSORE, -267.61, 7.8832621569901209e307},
          Caso{B_NEGATIVO, 100, 1e8 / 697.5197729861881}, Caso{SENSORE, -273.15, ERRORE_CALCOLO},
          Caso{SENSORE, -273.1, ERRORE_CALCOLO}, Caso{SENSORE, -267.62, ERRORE_CALCOLO},
          Caso{SENSORE, NAN, ERRORE_CALCOLO}, Caso{SENSORE, -273.16, ERRORE_CALCOLO},
          Caso{B_NEGATIVO, -300, ERRORE_B}, Caso{{0, 0}, 25, ERRORE_R0},
          Caso{{-5, 3950}, 25, ERRORE_R0}, Caso{{10000, 0}, 25, ERRORE_B},
          Caso{{10000, NAN}, 25, ERRORE_B}}) {
        EXPECT_DOUBLE_EQ(CalcolaOhm(p, t), atteso) << p.R0 << ' ' << p.B << ' ' << t;
    }
}

// Beyond the pole of the formula (R = 0.001; -273.58 °C for B = 1) the result would lie below
// absolute zero; at the pole itself (1/T = 0 exactly) it would be infinite.
TEST(CalcolaTemperatura, ModelloESentinelle) {
    for (const auto& [p, r, atteso] :
         {Caso{SENSORE, 10000, 25}, Caso{SENSORE, 697.5197729861881, 100},
          Caso{SENSORE, 0, ERRORE_CALCOLO}, Caso{SENSORE, NAN, ERRORE_CALCOLO},
          Caso{{0, 0}, 1000, ERRORE_R0}, Caso{{10000, 0}, 1000, ERRORE_B},
          Caso{{1e-10, 3950}, 1e308, ERRORE_CALCOLO}, Caso{SENSORE, 0.001, ERRORE_CALCOLO},
          Caso{B_NEGATIVO, 1e10, ERRORE_B}, Caso{{10000, 1}, 1000, ERRORE_CALCOLO},
          Caso{{1, 298.15}, std::exp(-1.0), ERRORE_CALCOLO}}) {
        EXPECT_NEAR(CalcolaTemperatura(p, r), atteso, 1e-9) << p.R0 << ' ' << p.B << ' ' << r;
    }
}

struct Unita {
    double celsius, fahrenheit, kelvin, altra;
};

// Exact equality: the order of the operations is fixed. Units other than "F" and "K" give 0.
TEST(ConvertiTemperatura, RisultatiEsatti) {
    constexpr double E = ERRORE_CALCOLO;
    for (const auto& [t, fahrenheit, kelvin, altra] :
         {Unita{37, 98.60000000000001, 310.15, 0}, Unita{-40, -40, 233.14999999999998, 0},
          Unita{-273.15, -459.66999999999996, 0, 0}, Unita{-273.16, E, E, E}, Unita{NAN, E, E, 0},
          Unita{1e308, E, 1e308, 0}}) {
        EXPECT_EQ(ConvertiTemperatura(t, "F"), fahrenheit) << t;
        EXPECT_EQ(ConvertiTemperatura(t, "K"), kelvin) << t;
        EXPECT_EQ(ConvertiTemperatura(t, "k"), altra) << t;
    }
}

} // namespace
