#include "regioni.h"

#include "core/testi_numerici.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Formato {
    double valore;
    std::string atteso; // with "." as the separator
};

void PrintTo(const Formato& f, std::ostream* os) {
    *os << f.atteso;
}

class Formati : public ::testing::TestWithParam<Formato> {};

TEST_P(Formati, TestoConIlPunto) {
    const Formato f = GetParam();
    EXPECT_EQ(FormattaNumero(f.valore, INGLESE), f.atteso);
    EXPECT_EQ(FormattaNumero(f.valore, SVIZZERA), f.atteso);
}

// Only the separator depends on the region; no grouping ever appears.
TEST_P(Formati, TestoConLaVirgola) {
    const Formato f = GetParam();
    std::string atteso = f.atteso;
    atteso[atteso.find('.')] = ',';
    EXPECT_EQ(FormattaNumero(f.valore, ITALIANA), atteso);
    EXPECT_EQ(FormattaNumero(f.valore, FRANCESE), atteso);
}

INSTANTIATE_TEST_SUITE_P(Esempi, Formati,
                         ::testing::Values(Formato{0, "0.0"}, Formato{10000, "10000.0"},
                                           Formato{-40, "-40.0"}, Formato{1.0 / 3, "0.33333333333"},
                                           Formato{298.25000038146973, "298.25000038147"},
                                           Formato{0.0000061035156, "0.00000610352"},
                                           Formato{98.60000000000001, "98.6"},
                                           Formato{-0.5, "-0.5"},
                                           Formato{1e15, "1000000000000000.0"},
                                           Formato{1234567.25, "1234567.25"},
                                           Formato{401859.72462500236, "401859.724625002"},
                                           Formato{697.5197729861881, "697.51977298619"}));

INSTANTIATE_TEST_SUITE_P(
    Arrotondamenti, Formati,
    ::testing::Values(Formato{0.000000000004, "0.0"},
                      // Below the halfway point as doubles, at it after 15 digits.
                      Formato{5e-12, "0.00000000001"}, Formato{-5e-12, "-0.00000000001"},
                      Formato{9.999999999995, "10.0"}, Formato{-9.999999999995, "-10.0"},
                      Formato{0.999999999995, "1.0"},
                      // Halves go away from zero, not to even.
                      Formato{2.5e-11, "0.00000000003"}, Formato{0.123456789025, "0.12345678903"},
                      Formato{999999.99999999999, "1000000.0"},
                      Formato{1e20 / 3, "33333333333333300000.0"}, Formato{1e-300, "0.0"}));

INSTANTIATE_TEST_SUITE_P(Segno, Formati,
                         ::testing::Values(Formato{-0.0, "0.0"}, Formato{-1e-13, "-0.0"},
                                           Formato{-4.9e-324, "-0.0"}, Formato{-1, "-1.0"}));

TEST(FormattaNumero, NumeriEnormiHannoTutteLeCifre) {
    const std::string testo = FormattaNumero(1e300, INGLESE);
    EXPECT_EQ(testo, "1" + std::string(300, '0') + ".0");
}

} // namespace
