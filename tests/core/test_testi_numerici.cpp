#include "core/testi_numerici.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

const Regione PUNTO{".", ","};
const Regione VIRGOLA{",", "."};
const Regione SPAZIO_STRETTO{",", "\u202F"};
const std::optional<double> NO;
const std::string MEGA_ZERI(1 << 20, '0');

template <class Ingresso, class Atteso> struct Riga {
    Ingresso ingresso;
    Atteso atteso;
};
using Lettura = Riga<std::string, std::optional<double>>;
using Scrittura = Riga<double, std::string>;
using Riduzione = Riga<double, std::optional<double>>;

void Confronta(std::optional<double> valore, std::optional<double> atteso, std::string_view caso) {
    EXPECT_EQ(valore, atteso) << caso.substr(0, 40);
    EXPECT_EQ(valore && std::signbit(*valore), atteso && std::signbit(*atteso)) << caso;
}

// Blanks dropped, the longest leading number read, 0 if none, empty only beyond the range.
TEST(LeggiNumero, Regole) {
    for (const auto& [testo, atteso] :
         {Lettura{"+.5", 0.5}, Lettura{"-0", -0.0}, Lettura{"1d-3", 0.001},
          Lettura{"  -2.5e2xyz", -250}, Lettura{"\t1\n2 ", 12}, Lettura{"2,5", 2},
          Lettura{"1E+", 1}, Lettura{std::string("12") + '\0' + "34", 12}, Lettura{"", 0},
          Lettura{".", 0}, Lettura{"E5", 0}, Lettura{"inf", 0}}) {
        Confronta(LeggiNumero(testo), atteso, testo);
    }
    for (const auto& [testo, atteso] :
         {Lettura{"1.79769313486232E+308", DBL_MAX}, Lettura{"4.94065645841247E-324", 0x1p-1074},
          Lettura{"-1e-400", -0.0}, Lettura{"0.001e310", 1e307},
          Lettura{"1e-99999999999999999999", 0}, Lettura{"1.79769313486233E+308", NO},
          Lettura{"1e99999999999999999999", NO}, Lettura{std::string(1 << 20, '9'), NO},
          Lettura{MEGA_ZERI + "1", 1}, Lettura{"0." + MEGA_ZERI + "1e1048576", 0.1}}) {
        Confronta(LeggiNumero(testo), atteso, testo);
    }
}

// 15 significant digits, ties to even, no "0" before the point, exponent outside 1E-04..1E+15.
TEST(NumeroInTesto, Forme) {
    for (const auto& [valore, atteso] :
         {Scrittura{-0.0, "0"}, Scrittura{10000, "10000"}, Scrittura{-0.25, "-.25"},
          Scrittura{2.0 / 3, ".666666666666667"}, Scrittura{0.001, ".001"},
          Scrittura{999999999999999, "999999999999999"}, Scrittura{999999999999999.9, "1E+15"},
          Scrittura{0.000999, "9.99E-04"}, Scrittura{0x1p-1074, "4.94065645841247E-324"},
          Scrittura{DBL_MAX, "1.79769313486232E+308"}, Scrittura{1000000000000005, "1E+15"},
          Scrittura{1000000000000015, "1.00000000000002E+15"}, Scrittura{-HUGE_VAL, "-inf"},
          Scrittura{HUGE_VAL, "inf"}}) {
        EXPECT_EQ(NumeroInTesto(valore), atteso);
    }
}

// "####0.0##########" from the 15-digit decimal, halves away from zero, region's separator.
TEST(FormattaNumero, Forme) {
    for (const auto& [valore, atteso] :
         {Scrittura{0, "0.0"}, Scrittura{1.0 / 3, "0.33333333333"},
          Scrittura{298.25000038146973, "298.25000038147"}, Scrittura{98.60000000000001, "98.6"},
          Scrittura{5e-12, "0.00000000001"}, Scrittura{-9.999999999995, "-10.0"},
          Scrittura{0.123456789025, "0.12345678903"}, Scrittura{1e-300, "0.0"},
          Scrittura{-1e-13, "-0.0"}, Scrittura{1e20 / 3, "33333333333333300000.0"}}) {
        EXPECT_EQ(FormattaNumero(valore, PUNTO), atteso);
    }
    // All forms write the separator in one place: one region with a comma is enough.
    EXPECT_EQ(FormattaNumero(-9.999999999995, VIRGOLA), "-10,0");
}

// The whole text is one number or nothing; the numeric test agrees with the reading.
void LeggiInRegione(const Regione& regione, std::initializer_list<Lettura> casi) {
    for (const auto& [testo, atteso] : casi) {
        Confronta(LeggiNumeroLocale(testo, regione), atteso, testo);
        EXPECT_EQ(EUnNumeroLocale(testo, regione), atteso.has_value()) << testo.substr(0, 40);
    }
}

// Blanks only around it, grouping only among integer digits, multi-byte grouping whole.
TEST(LeggiNumeroLocale, RegoleETestNumerico) {
    LeggiInRegione(VIRGOLA,
                   {Lettura{"1.234,5", 1234.5}, Lettura{"12.5", 125}, Lettura{",5", 0.5},
                    Lettura{"+2,5E+2", 250}, Lettura{".5", NO}, Lettura{"1,5.3", NO},
                    Lettura{"1,2,3", NO}, Lettura{",", NO}, Lettura{MEGA_ZERI + ",5", 0.5}});
    LeggiInRegione(PUNTO,
                   {Lettura{"1,234.5", 1234.5}, Lettura{" -1.5E-3 ", -0.0015}, Lettura{",5", NO},
                    Lettura{"- 5", NO}, Lettura{"1 000", NO}, Lettura{"\t5", NO}, Lettura{"1E", NO},
                    Lettura{"1D3", NO}, Lettura{"1e400", NO}, Lettura{std::string("1\0", 2), NO}});
    LeggiInRegione(SPAZIO_STRETTO,
                   {Lettura{" -12\u202F345,25e1 ", -123452.5}, Lettura{"1 234,5", NO},
                    Lettura{"\u202F1", NO}, Lettura{std::string("1\xE2\x80") + "234", NO}});
}

// The register holds no grouping: under a region with another decimal separator, its keyed
// points and its result separators both read as decimal points; under "." nothing changes.
TEST(LeggiRegistro, NelleRegioni) {
    const Regione ARABA{"\u066B", "\u066C"};
    // clang-format off
    const std::tuple<Regione, std::string, std::optional<double>, std::optional<double>> casi[] = {
        // region, register, as a conversion reads it, as parameter entry reads it
        {VIRGOLA, "2.5", 2.5, 2.5}, {VIRGOLA, "36,5", 36.5, 36.5},
        {VIRGOLA, "-.5", -0.5, -0.5}, {VIRGOLA, "25,0.", NO, 25}, {VIRGOLA, "1.234,5", NO, 1.234},
        {VIRGOLA, " 1E3 ", 1000, 1000}, {VIRGOLA, "Errore", NO, 0},
        {SPAZIO_STRETTO, "1\u202F234", NO, 1}, {ARABA, "3\u066B5", 3.5, 3.5},
        {ARABA, "3.5\u066B", NO, 3.5}, {ARABA, "3\u066C5", NO, 3},
        {PUNTO, "1,234.5", 1234.5, 1}, {PUNTO, "1e400", NO, NO}};
    // clang-format on
    for (const auto& [regione, registro, conversione, parametro] : casi) {
        Confronta(LeggiRegistroPerConversione(registro, regione), conversione, registro);
        Confronta(LeggiRegistro(registro, regione), parametro, registro);
    }
    EXPECT_EQ(ConPuntoDecimale("1\u066B5\u066B", "\u066B"), "1.5.");
    EXPECT_EQ(ConPuntoDecimale("1,5", ""), "1,5");
}

// From halfway between FLT_MAX and 2^128, ties to even give infinity: no value.
TEST(RiduciASingola, FloatPiuVicino) {
    constexpr double META = 0x1.ffffffp127;
    for (const auto& [valore, atteso] :
         {Riduzione{25.1, 25.100000381469727}, Riduzione{16777219, 16777220},
          Riduzione{-1e-46, -0.0}, Riduzione{1e-45, 0x1p-149},
          Riduzione{-std::nextafter(META, 0), -FLT_MAX}, Riduzione{META, NO}, Riduzione{NAN, NO}}) {
        Confronta(RiduciASingola(valore), atteso, std::to_string(valore));
    }
}

// Every binary exponent; the oracle is the C library, which follows the C locale.
TEST(AndataERitorno, NumeroInTestoPoiLeggiNumeroDaQuindiciCifre) {
    std::mt19937_64 caso(20240611);
    for (int i = 0; i < 20000; ++i) {
        const double x = std::bit_cast<double>(caso());
        if (!std::isfinite(x) || std::fabs(x) >= 1.797693134862315e308) {
            continue;
        }
        char oracolo[40];
        std::snprintf(oracolo, sizeof oracolo, "%.14e", x);
        const std::string testo = NumeroInTesto(x);
        ASSERT_EQ(LeggiNumero(testo), std::strtod(oracolo, nullptr)) << testo << ' ' << oracolo;
    }
    EXPECT_EQ(LeggiNumero(NumeroInTesto(-std::nextafter(DBL_MAX, 0.0))), -DBL_MAX);
}

} // namespace
