#include "core/testi_numerici.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace {

struct Lettura {
    std::string testo;
    double atteso;
};

void PrintTo(const Lettura& l, std::ostream* os) {
    *os << '"' << l.testo << '"';
}

class LetturePunto : public ::testing::TestWithParam<Lettura> {};

// Exact equality, sign of zero included: the reading gives the nearest double.
TEST_P(LetturePunto, ValoreEsatto) {
    const Lettura l = GetParam();
    const auto valore = LeggiNumero(l.testo);
    ASSERT_TRUE(valore.has_value());
    EXPECT_EQ(*valore, l.atteso);
    EXPECT_EQ(std::signbit(*valore), std::signbit(l.atteso));
}

INSTANTIATE_TEST_SUITE_P(
    Forme, LetturePunto,
    ::testing::Values(Lettura{"25", 25}, Lettura{"-2.5", -2.5}, Lettura{"+.5", 0.5},
                      Lettura{".5", 0.5}, Lettura{"-.5", -0.5}, Lettura{"12.", 12},
                      Lettura{"0.1", 0.1}, Lettura{"-0", -0.0}, Lettura{"007", 7},
                      Lettura{"1E-05", 0.00001}, Lettura{"1E+15", 1e15}, Lettura{"1e3", 1000},
                      Lettura{"1D3", 1000}, Lettura{"1d-3", 0.001}, Lettura{"2.5e+2", 250}));

INSTANTIATE_TEST_SUITE_P(Spazi, LetturePunto,
                         ::testing::Values(Lettura{"1 000", 1000}, Lettura{"  -2.5e2xyz", -250},
                                           Lettura{"\t1\n2 ", 12}, Lettura{"- 5", -5},
                                           Lettura{"1 E 5", 1e5}, Lettura{"1 . 5", 1.5}));

INSTANTIATE_TEST_SUITE_P(FineDelNumero, LetturePunto,
                         ::testing::Values(Lettura{"12abc", 12}, Lettura{"10k", 10},
                                           Lettura{"2,5", 2}, Lettura{"1.2.3", 1.2},
                                           Lettura{"1e5.5", 1e5}, Lettura{"1E", 1},
                                           Lettura{"1E+", 1}, Lettura{"1e-x", 1}, Lettura{"3D", 3},
                                           Lettura{"1\r", 1},
                                           Lettura{std::string("12\0"
                                                               "34",
                                                               5),
                                                   12},
                                           Lettura{"0x10", 0}, Lettura{"1e+-5", 1}));

INSTANTIATE_TEST_SUITE_P(NessunNumero, LetturePunto,
                         ::testing::Values(Lettura{"Errore", 0}, Lettura{"-", 0}, Lettura{"", 0},
                                           Lettura{".", 0}, Lettura{"+", 0}, Lettura{"E5", 0},
                                           Lettura{".E5", 0}, Lettura{"\xff\xfe", 0},
                                           Lettura{"--5", 0}, Lettura{"inf", 0},
                                           Lettura{"nan", 0}));

INSTANTIATE_TEST_SUITE_P(
    LimitiDellIntervallo, LetturePunto,
    ::testing::Values(
        Lettura{"1.7976931348623157e308", DBL_MAX}, Lettura{"-1.7976931348623158E+308", -DBL_MAX},
        Lettura{"1.7976931348623159e308", DBL_MAX}, Lettura{"1.79769313486232E+308", DBL_MAX},
        Lettura{"-1.79769313486232E+308", -DBL_MAX}, Lettura{"2.2250738585072014E-308", DBL_MIN},
        Lettura{"4.94065645841247E-324", 0x1p-1074}, Lettura{"-1e-320", -9.99988867182683e-321},
        Lettura{"1e-400", 0}, Lettura{"-1e-400", -0.0}, Lettura{"2e-324", 0},
        Lettura{"0e999999", 0}, Lettura{"0.000e99999999999999999999", 0},
        Lettura{"1e-99999999999999999999", 0}, Lettura{"0.001e310", 1e307},
        Lettura{"100000e303", 1e308}, Lettura{"1000e-326", 0x1p-1073}));

TEST(LeggiNumero, OltreIlCampoDeiDoubleFallisce) {
    for (const std::string testo :
         {"1e309", "1.8E308", "-1e400", "1D999", "1.79769313486233E+308", "1.797693134862321e308",
          "1e99999999999999999999", "0.01e311"}) {
        EXPECT_FALSE(LeggiNumero(testo).has_value()) << testo;
    }
    EXPECT_FALSE(LeggiNumero("1" + std::string(400, '0')).has_value());
}

TEST(LeggiNumero, TestiLunghiUnMegabyte) {
    const std::string zeri(1 << 20, '0');
    EXPECT_FALSE(LeggiNumero(std::string(1 << 20, '9')).has_value());
    EXPECT_EQ(LeggiNumero(zeri + "1"), 1);
    EXPECT_EQ(LeggiNumero("." + zeri + "1"), 0);
    EXPECT_DOUBLE_EQ(*LeggiNumero("0." + zeri + "1e1048576"), 0.1);
    EXPECT_DOUBLE_EQ(*LeggiNumero("1" + zeri + "e-1048576"), 1);
    EXPECT_EQ(LeggiNumero(std::string(1 << 20, ' ') + "7"), 7);
}

} // namespace
