#include "regioni.h"

#include "core/testi_numerici.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

struct LetturaLocale {
    const Regione* regione;
    std::string testo;
    std::optional<double> atteso; // empty: not a number
};

void PrintTo(const LetturaLocale& l, std::ostream* os) {
    *os << '"' << l.testo << "\" under \"" << l.regione->decimale << "\" / \""
        << l.regione->migliaia << '"';
}

class LettureLocali : public ::testing::TestWithParam<LetturaLocale> {};

TEST_P(LettureLocali, Valore) {
    const LetturaLocale l = GetParam();
    const auto valore = LeggiNumeroLocale(l.testo, *l.regione);
    ASSERT_EQ(valore.has_value(), l.atteso.has_value());
    if (valore) {
        EXPECT_EQ(*valore, *l.atteso);
        EXPECT_EQ(std::signbit(*valore), std::signbit(*l.atteso));
    }
}

// The numeric test accepts exactly what the reading accepts.
TEST_P(LettureLocali, IlTestNumericoConcorda) {
    const LetturaLocale l = GetParam();
    EXPECT_EQ(EUnNumeroLocale(l.testo, *l.regione), l.atteso.has_value());
}

const std::nullopt_t NO = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    VirgolaDecimale, LettureLocali,
    ::testing::Values(
        LetturaLocale{&ITALIANA, "12,5", 12.5}, LetturaLocale{&ITALIANA, "1.234,5", 1234.5},
        LetturaLocale{&ITALIANA, "12.5", 125}, LetturaLocale{&ITALIANA, "-0,25", -0.25},
        LetturaLocale{&ITALIANA, "1E3", 1000}, LetturaLocale{&ITALIANA, "1e-3", 0.001},
        LetturaLocale{&ITALIANA, "+2,5E+2", 250}, LetturaLocale{&ITALIANA, "1.234.567", 1234567},
        LetturaLocale{&ITALIANA, "1..2", 12}, LetturaLocale{&ITALIANA, "1.,5", 1.5},
        LetturaLocale{&ITALIANA, "12,", 12}, LetturaLocale{&ITALIANA, ",5", 0.5},
        LetturaLocale{&ITALIANA, "-0", -0.0}, LetturaLocale{&ITALIANA, "25,0", 25},
        LetturaLocale{&ITALIANA, "abc", NO}, LetturaLocale{&ITALIANA, "Errore", NO},
        LetturaLocale{&ITALIANA, "-", NO}, LetturaLocale{&ITALIANA, "", NO},
        LetturaLocale{&ITALIANA, ",", NO}, LetturaLocale{&ITALIANA, ".5", NO},
        LetturaLocale{&ITALIANA, "1,5.3", NO}, LetturaLocale{&ITALIANA, "1,2,3", NO},
        LetturaLocale{&ITALIANA, "1e1.000", NO}, LetturaLocale{&ITALIANA, "2.5x", NO}));

INSTANTIATE_TEST_SUITE_P(
    PuntoDecimale, LettureLocali,
    ::testing::Values(LetturaLocale{&INGLESE, "12.5", 12.5}, LetturaLocale{&INGLESE, "12,5", 125},
                      LetturaLocale{&INGLESE, "1,234.5", 1234.5},
                      LetturaLocale{&INGLESE, "12.", 12}, LetturaLocale{&INGLESE, ".5", 0.5},
                      LetturaLocale{&INGLESE, "-.5", -0.5},
                      LetturaLocale{&INGLESE, "10000.0", 10000},
                      LetturaLocale{&INGLESE, "0.00000610352", 0.00000610352},
                      LetturaLocale{&INGLESE, ".", NO}, LetturaLocale{&INGLESE, ",5", NO},
                      LetturaLocale{&INGLESE, "1.5.3", NO}, LetturaLocale{&INGLESE, "1.5,3", NO}));

INSTANTIATE_TEST_SUITE_P(
    Spazi, LettureLocali,
    ::testing::Values(LetturaLocale{&INGLESE, " 25 ", 25},
                      LetturaLocale{&INGLESE, "   -1.5E-3  ", -0.0015},
                      LetturaLocale{&INGLESE, "- 5", NO}, LetturaLocale{&INGLESE, "1 000", NO},
                      LetturaLocale{&INGLESE, "1.5 e3", NO}, LetturaLocale{&INGLESE, "\t5", NO},
                      LetturaLocale{&INGLESE, "5\n", NO}, LetturaLocale{&INGLESE, " ", NO},
                      LetturaLocale{&INGLESE,
                                    "\xC2\xA0"
                                    "5",
                                    NO}));

INSTANTIATE_TEST_SUITE_P(
    SegnoEdEsponente, LettureLocali,
    ::testing::Values(LetturaLocale{&INGLESE, "+5", 5}, LetturaLocale{&INGLESE, "5-", NO},
                      LetturaLocale{&INGLESE, "--5", NO}, LetturaLocale{&INGLESE, "+-5", NO},
                      LetturaLocale{&INGLESE, "(5)", NO}, LetturaLocale{&INGLESE, "1E", NO},
                      LetturaLocale{&INGLESE, "1E+", NO}, LetturaLocale{&INGLESE, "1e-", NO},
                      LetturaLocale{&INGLESE, "1D3", NO}, LetturaLocale{&INGLESE, "E3", NO},
                      LetturaLocale{&INGLESE, ".E3", NO}, LetturaLocale{&INGLESE, "1E3.5", NO},
                      LetturaLocale{&INGLESE, "1E1,000", NO}, LetturaLocale{&INGLESE, "0x10", NO},
                      LetturaLocale{&INGLESE, "inf", NO}, LetturaLocale{&INGLESE, "nan", NO}));

INSTANTIATE_TEST_SUITE_P(
    Limiti, LettureLocali,
    ::testing::Values(LetturaLocale{&INGLESE, "1e400", NO}, LetturaLocale{&INGLESE, "-1.8E308", NO},
                      LetturaLocale{&INGLESE, "1e-400", 0.0},
                      LetturaLocale{&INGLESE, "-1e-400", -0.0},
                      LetturaLocale{&INGLESE, "4.94065645841247E-324", 0x1p-1074},
                      LetturaLocale{&INGLESE, "1.7976931348623157e308", 1.7976931348623157e308},
                      LetturaLocale{&INGLESE, std::string("1\0", 2), NO}));

// Grouping separators of several bytes must match whole; a plain blank or a cut
// sequence is not one of them.
INSTANTIATE_TEST_SUITE_P(
    SeparatoriMultibyte, LettureLocali,
    ::testing::Values(
        LetturaLocale{&FRANCESE, "1\u202F234,5", 1234.5},
        LetturaLocale{&FRANCESE, "1\u202F234\u202F567", 1234567},
        LetturaLocale{&FRANCESE, " -12\u202F345,25e1 ", -123452.5},
        LetturaLocale{&FRANCESE, "1 234,5", NO}, LetturaLocale{&FRANCESE, "\u202F1", NO},
        LetturaLocale{&FRANCESE,
                      "1\xE2\x80"
                      "234",
                      NO},
        LetturaLocale{&FRANCESE, "1\xE2\x80", NO}, LetturaLocale{&FRANCESE, "1,5\u202F0", NO},
        LetturaLocale{&FRANCESE, "1.5", NO}, LetturaLocale{&SVIZZERA, "1\u2019234.5", 1234.5},
        LetturaLocale{&SVIZZERA, "1'234.5", NO}, LetturaLocale{&SVIZZERA, "1.5\u20190", NO}));

TEST(LeggiNumeroLocale, TestiLunghiUnMegabyte) {
    const std::string nove(1 << 20, '9');
    EXPECT_FALSE(LeggiNumeroLocale(nove, INGLESE).has_value());
    EXPECT_EQ(LeggiNumeroLocale(std::string(1 << 20, '0') + ",5", ITALIANA), 0.5);
    std::string raggruppato;
    for (int i = 0; i < (1 << 18); ++i) {
        raggruppato += "000\u202F";
    }
    EXPECT_EQ(LeggiNumeroLocale("1" + raggruppato + "e-786432", FRANCESE), 1);
    EXPECT_FALSE(LeggiNumeroLocale("1" + raggruppato, FRANCESE).has_value());
}

} // namespace
