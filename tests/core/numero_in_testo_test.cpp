#include "core/testi_numerici.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct Scrittura {
    double valore;
    std::string atteso;
};

void PrintTo(const Scrittura& s, std::ostream* os) {
    *os << s.atteso;
}

class ScrittePunto : public ::testing::TestWithParam<Scrittura> {};

TEST_P(ScrittePunto, Testo) {
    const Scrittura s = GetParam();
    EXPECT_EQ(NumeroInTesto(s.valore), s.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    FormaPiana, ScrittePunto,
    ::testing::Values(Scrittura{0, "0"}, Scrittura{-0.0, "0"}, Scrittura{10000, "10000"},
                      Scrittura{3950, "3950"}, Scrittura{-2.5, "-2.5"},
                      Scrittura{12345.678, "12345.678"}, Scrittura{-25, "-25"},
                      Scrittura{0.5, ".5"}, Scrittura{-0.25, "-.25"}, Scrittura{0.1 + 0.2, ".3"},
                      Scrittura{1.0 / 3, ".333333333333333"},
                      Scrittura{2.0 / 3, ".666666666666667"}, Scrittura{0.001, ".001"},
                      Scrittura{std::nextafter(0.001, 0), ".001"}, Scrittura{-0.00123, "-.00123"},
                      Scrittura{999999999999999, "999999999999999"},
                      Scrittura{401859.72462500236, "401859.724625002"},
                      Scrittura{25.100000381469727, "25.1000003814697"}));

INSTANTIATE_TEST_SUITE_P(
    FormaEsponenziale, ScrittePunto,
    ::testing::Values(Scrittura{1e15, "1E+15"}, Scrittura{1.5e16, "1.5E+16"},
                      Scrittura{1e20, "1E+20"}, Scrittura{-1.5e-7, "-1.5E-07"},
                      Scrittura{999999999999999.9, "1E+15"}, Scrittura{0.000999, "9.99E-04"},
                      Scrittura{0.00025, "2.5E-04"}, Scrittura{1e100, "1E+100"},
                      Scrittura{-1e-100, "-1E-100"}, Scrittura{0x1p-1074, "4.94065645841247E-324"},
                      Scrittura{123456789012345678.0, "1.23456789012346E+17"},
                      Scrittura{std::numeric_limits<double>::max(), "1.79769313486232E+308"}));

// Exact integers halfway between two 15-digit decimals.
INSTANTIATE_TEST_SUITE_P(PariInCasoDiParita, ScrittePunto,
                         ::testing::Values(Scrittura{1000000000000005, "1E+15"},
                                           Scrittura{1000000000000015, "1.00000000000002E+15"},
                                           Scrittura{-1000000000000025, "-1.00000000000002E+15"}));

} // namespace
