#include "regioni.h"

#include "core/conversioni.h"
#include "core/testi_numerici.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

struct Riduzione {
    double valore;
    std::optional<double> atteso; // empty: unreadable
};

void PrintTo(const Riduzione& r, std::ostream* os) {
    *os << std::hexfloat << r.valore;
}

class Riduzioni : public ::testing::TestWithParam<Riduzione> {};

TEST_P(Riduzioni, FloatPiuVicino) {
    const Riduzione r = GetParam();
    const auto ridotto = RiduciASingola(r.valore);
    ASSERT_EQ(ridotto.has_value(), r.atteso.has_value());
    if (ridotto) {
        EXPECT_EQ(*ridotto, *r.atteso);
        EXPECT_EQ(std::signbit(*ridotto), std::signbit(*r.atteso));
    }
}

constexpr double INF = std::numeric_limits<double>::infinity();
// Halfway between FLT_MAX and 2^128: ties to even give infinity.
constexpr double META_OLTRE_FLT_MAX = 0x1.ffffffp127;

INSTANTIATE_TEST_SUITE_P(
    RiduciASingola, Riduzioni,
    ::testing::Values(
        Riduzione{25, 25.0}, Riduzione{25.1, 25.100000381469727},
        Riduzione{-273.15, -273.1499938964844}, Riduzione{16777217, 16777216.0},
        Riduzione{16777219, 16777220.0}, Riduzione{-16777219, -16777220.0}, Riduzione{-0.0, -0.0},
        Riduzione{1e-46, 0.0}, Riduzione{-1e-46, -0.0}, Riduzione{1e-45, 0x1p-149},
        Riduzione{FLT_MAX, static_cast<double>(FLT_MAX)},
        Riduzione{std::nextafter(META_OLTRE_FLT_MAX, 0), static_cast<double>(FLT_MAX)},
        Riduzione{-std::nextafter(META_OLTRE_FLT_MAX, 0), -static_cast<double>(FLT_MAX)},
        Riduzione{META_OLTRE_FLT_MAX, std::nullopt}, Riduzione{-META_OLTRE_FLT_MAX, std::nullopt},
        Riduzione{1e39, std::nullopt}, Riduzione{DBL_MAX, std::nullopt},
        Riduzione{INF, std::nullopt}, Riduzione{-INF, std::nullopt},
        Riduzione{std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

// The road of a conversion input: register text, regional reading, single precision.
TEST(RiduciASingola, DalTestoDelRegistro) {
    EXPECT_EQ(RiduciASingola(*LeggiNumeroLocale("3.4028235e38", INGLESE)),
              static_cast<double>(FLT_MAX));
    EXPECT_FALSE(RiduciASingola(*LeggiNumeroLocale("3,5e38", ITALIANA)).has_value());
    EXPECT_EQ(RiduciASingola(*LeggiNumeroLocale("25,1", ITALIANA)), 25.100000381469727);
    EXPECT_EQ(FormattaNumero(ConvertiTemperatura(*RiduciASingola(25.1), "K"), INGLESE),
              "298.25000038147");
    // Rounded to single precision, -273.15 lies just above absolute zero.
    EXPECT_EQ(FormattaNumero(ConvertiTemperatura(*RiduciASingola(-273.15), "K"), INGLESE),
              "0.00000610352");
    EXPECT_EQ(ConvertiTemperatura(*RiduciASingola(-273.16), "K"), ERRORE_CALCOLO);
}

} // namespace
