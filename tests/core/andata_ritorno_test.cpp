#include "regioni.h"

#include "core/testi_numerici.h"

#include <gtest/gtest.h>

#include <cfloat>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// The C library's own 15-digit rounding, independent of the core. snprintf and strtod
// both follow the current C locale, so the oracle works under any of them.
std::string Oracolo(double x) {
    char testo[40];
    std::snprintf(testo, sizeof testo, "%.14e", x);
    return testo;
}

double ValoreDellOracolo(const std::string& testo) {
    return std::strtod(testo.c_str(), nullptr);
}

// The oracle's significant digits, trailing zeros removed, and its decimal exponent.
std::string CifreDellOracolo(const std::string& oracolo, int& esponente) {
    const auto e = oracolo.find('e');
    esponente = std::atoi(oracolo.c_str() + e + 1);
    std::string cifre;
    for (const char c : oracolo.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            cifre.push_back(c);
        }
    }
    while (cifre.size() > 1 && cifre.back() == '0') {
        cifre.pop_back();
    }
    return cifre;
}

// The significant digits that a text of NumeroInTesto shows, whatever its form.
std::string CifreDelTesto(const std::string& testo) {
    std::string cifre;
    for (const char c : testo.substr(0, testo.find('E'))) {
        if (c >= '0' && c <= '9' && !(cifre.empty() && c == '0')) {
            cifre.push_back(c);
        }
    }
    while (cifre.size() > 1 && cifre.back() == '0') {
        cifre.pop_back();
    }
    return cifre;
}

// Every finite double, all binary exponents equally likely, or every second draw a
// magnitude between 1E-06 and 1E+18, where the text changes form.
double DoubleACaso(std::mt19937_64& caso, bool vicinoAlleSoglie) {
    if (vicinoAlleSoglie) {
        std::uniform_real_distribution<double> esponente(-6, 18);
        return (caso() % 2 != 0 ? -1 : 1) * std::pow(10.0, esponente(caso));
    }
    for (;;) {
        const double x = std::bit_cast<double>(caso());
        if (std::isfinite(x)) {
            return x;
        }
    }
}

// Above this the 15-digit text is 1.79769313486232E+308, beyond the double range.
constexpr double MASSIMO_RILEGGIBILE = 1.797693134862315e308;

TEST(AndataERitorno, NumeroInTestoPoiLeggiNumeroDaQuindiciCifre) {
    std::mt19937_64 caso(20240611);
    for (int i = 0; i < 200000; ++i) {
        const double x = DoubleACaso(caso, i % 2 != 0);
        if (std::fabs(x) >= MASSIMO_RILEGGIBILE) {
            continue;
        }
        const std::string testo = NumeroInTesto(x);
        const auto riletto = LeggiNumero(testo);
        ASSERT_TRUE(riletto.has_value()) << testo;

        const std::string oracolo = Oracolo(x);
        ASSERT_EQ(*riletto, ValoreDellOracolo(oracolo)) << testo << " vs " << oracolo;
        ASSERT_EQ(Oracolo(*riletto), oracolo) << testo;

        int esponente = 0;
        const std::string cifre = CifreDellOracolo(oracolo, esponente);
        if (x == 0) {
            ASSERT_EQ(testo, "0");
            continue;
        }
        ASSERT_EQ(CifreDelTesto(testo), cifre) << testo << " vs " << oracolo;
        const bool esponenziale = esponente >= 15 || esponente < -3;
        ASSERT_EQ(testo.find('E') != std::string::npos, esponenziale) << testo;
        ASSERT_EQ(testo[0] == '-', x < 0) << testo;
        ASSERT_NE(testo.substr(0, 2), "0.") << testo;
        ASSERT_EQ(testo.find(','), std::string::npos) << testo;
    }
}

// A result in the register is the next conversion's input: the region's reading must
// give it back within the 11 decimals that the display keeps.
TEST(AndataERitorno, FormattaNumeroPoiLeggiNumeroLocale) {
    std::mt19937_64 caso(7);
    std::uniform_real_distribution<double> esponente(-15, 15);
    for (const Regione* regione : {&INGLESE, &ITALIANA, &FRANCESE, &SVIZZERA}) {
        for (int i = 0; i < 20000; ++i) {
            const double x = (i % 2 != 0 ? -1 : 1) * std::pow(10.0, esponente(caso));
            const std::string testo = FormattaNumero(x, *regione);
            const auto riletto = LeggiNumeroLocale(testo, *regione);
            ASSERT_TRUE(riletto.has_value()) << testo;
            ASSERT_NEAR(*riletto, x, 0.5e-11 + std::fabs(x) * 1e-14) << testo;
        }
    }
}

TEST(AndataERitorno, IlPiuGrandeDoubleRileggibile) {
    const auto riletto = LeggiNumero(NumeroInTesto(MASSIMO_RILEGGIBILE));
    ASSERT_TRUE(riletto.has_value());
    EXPECT_EQ(Oracolo(*riletto), Oracolo(MASSIMO_RILEGGIBILE));
}

// Their 15-digit text lies just past the range; it still reads back, as the largest double.
TEST(AndataERitorno, IDoublePiuGrandiSiRileggonoComeIlMassimo) {
    for (const double x :
         {DBL_MAX, std::nextafter(DBL_MAX, 0.0), MASSIMO_RILEGGIBILE * 1.0000000000000002}) {
        EXPECT_EQ(LeggiNumero(NumeroInTesto(x)), DBL_MAX) << NumeroInTesto(x);
        EXPECT_EQ(LeggiNumero(NumeroInTesto(-x)), -DBL_MAX);
    }
}

} // namespace
