#include "core/conversioni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr ParametriNTC SENSORE{10000, 3950};
constexpr ParametriNTC B_NEGATIVO{10000, -3950};

struct Caso {
    ParametriNTC parametri;
    double ingresso;
    double atteso;
};

// Failures: division by zero at -273.15, overflow of exp(e) just above it and of R0 × exp(e)
// up to about -267.62; below absolute zero the parameters choose the sentinel; R0 or B not set.
// Sentinels differ by more than four units in the last place, so DOUBLE_EQ tells them apart.
TEST(CalcolaOhm, ModelloESentinelle) {
    for (const auto& [p, t, atteso] :
         {Caso{SENSORE, 25, 10000}, Caso{SENSORE, 100, 697.5197729861881},
          Caso{SENSORE, -40, 401859.72462500236}, Caso{B_NEGATIVO, 100, 1e8 / 697.5197729861881},
          Caso{SENSORE, -273.15, ERRORE_CALCOLO}, Caso{SENSORE, -273.1, ERRORE_CALCOLO},
          Caso{SENSORE, -267.62, ERRORE_CALCOLO}, Caso{SENSORE, NaN, ERRORE_CALCOLO},
          Caso{SENSORE, -273.16, ERRORE_CALCOLO}, Caso{{0, 3950}, -300, ERRORE_R0},
          Caso{B_NEGATIVO, -300, ERRORE_B}, Caso{{0, 0}, 25, ERRORE_R0},
          Caso{{0, 3950}, 25, ERRORE_R0}, Caso{{-5, 3950}, 25, ERRORE_R0},
          Caso{{NaN, 3950}, 25, ERRORE_R0}, Caso{{10000, 0}, 25, ERRORE_B},
          Caso{{10000, NaN}, 25, ERRORE_B}}) {
        EXPECT_DOUBLE_EQ(CalcolaOhm(p, t), atteso) << p.R0 << ' ' << p.B << ' ' << t;
    }
    const double alLimite = CalcolaOhm(SENSORE, -267.6);
    EXPECT_TRUE(std::isfinite(alLimite) && alLimite > 1e307) << alLimite;
}

// Beyond the pole of the formula (R = 0.001) the result would lie below absolute zero.
TEST(CalcolaTemperatura, ModelloESentinelle) {
    for (const auto& [p, r, atteso] :
         {Caso{SENSORE, 10000, 25}, Caso{SENSORE, 1000, 87.71967429595793},
          Caso{SENSORE, 697.5197729861881, 100}, Caso{SENSORE, 0, ERRORE_CALCOLO},
          Caso{SENSORE, NaN, ERRORE_CALCOLO}, Caso{{0, 0}, 1000, ERRORE_R0},
          Caso{{10000, 0}, 1000, ERRORE_B}, Caso{{1e-10, 3950}, 1e308, ERRORE_CALCOLO},
          Caso{SENSORE, 0.001, ERRORE_CALCOLO}, Caso{B_NEGATIVO, 1e10, ERRORE_B}}) {
        EXPECT_NEAR(CalcolaTemperatura(p, r), atteso, 1e-9) << p.R0 << ' ' << p.B << ' ' << r;
    }
    EXPECT_GT(CalcolaTemperatura(SENSORE, 0.0177), 1000);
}

struct CasoUnita {
    double temperatura;
    const char* unita;
    double atteso;
};

TEST(ConvertiTemperatura, RisultatiEsatti) {
    for (const auto& [t, unita, atteso] :
         {CasoUnita{25, "F", 77}, CasoUnita{37, "F", 98.60000000000001},
          CasoUnita{-40, "K", 233.14999999999998}, CasoUnita{-273.15, "K", 0},
          CasoUnita{-273.15, "F", -459.66999999999996}, CasoUnita{-273.16, "K", ERRORE_CALCOLO},
          CasoUnita{-273.16, "X", ERRORE_CALCOLO}, CasoUnita{25, "k", 0}, CasoUnita{25, "", 0},
          CasoUnita{1e308, "F", ERRORE_CALCOLO}, CasoUnita{NaN, "F", ERRORE_CALCOLO}}) {
        EXPECT_EQ(ConvertiTemperatura(t, unita), atteso) << t << ' ' << unita;
    }
}

} // namespace
