#include "core/conversioni.h"
#include "modelli/modello_beta.h"
#include "modelli/modello_esteso.h"
#include "modelli/modello_esteso_diretto.h"
#include "modelli/modello_steinhart_hart.h"
#include "modelli/modello_tabella.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// The NTCLE100E3 (B25/85 = 3977 K) curve as its maker publishes it, both ways.
const ParametriEsteso VISHAY_INVERSO{3.354016e-03, 2.569850e-04, 2.620131e-06, 6.383091e-08, 10000};
const ParametriEstesoDiretto VISHAY_DIRETTO{-14.6337, 4791.842, -115334, -3.730535e+06, 10000};
// A common 10 kΩ Steinhart–Hart set.
const ParametriSteinhartHart SH_10K{1.009249522e-3, 2.378405444e-4, 2.019202697e-7};

TEST(ModelloBeta, StesseCifreDellaFinestra) {
    for (const ParametriNTC p :
         {ParametriNTC{10000, 3950}, ParametriNTC{4700, 3380}, ParametriNTC{100000, -4250},
          ParametriNTC{0, 3950}, ParametriNTC{10000, 0}}) {
        const ModelloBeta modello({p.R0, p.B});
        for (int i = 0; i <= 1840; ++i) {
            const double t = -280 + 0.37 * i;
            const double finestra = CalcolaOhm(p, t);
            const auto r = modello.Resistenza(t);
            EXPECT_EQ(r.value_or(ERRORE_CALCOLO), finestra > 0 ? finestra : ERRORE_CALCOLO) << t;
        }
        for (int i = 0; i < 60; ++i) {
            const double r = 1e-3 * std::pow(1.7, i);
            const double finestra = CalcolaTemperatura(p, r);
            const auto t = modello.Temperatura(r);
            EXPECT_EQ(t.has_value(), finestra > -273.15) << r;
            if (t) {
                EXPECT_EQ(*t, finestra) << r;
            }
        }
    }
}

using Nominato = std::pair<std::string, std::shared_ptr<ModelloNTC>>;

// Every model, each good from -55 to 300 °C.
std::vector<Nominato> Modelli() {
    std::vector<PuntoRT> righe;
    for (int gradi = -55; gradi <= 300; gradi += 5) {
        const double t = gradi;
        righe.push_back({t, 10000 * std::exp(3950 * (1 / (t + 273.15) - 1 / 298.15))});
    }
    auto tabella = ModelloTabella::Crea(righe);
    return {{"Beta", std::make_shared<ModelloBeta>(ParametriBeta{10000, 3950})},
            {"Beta T0=0", std::make_shared<ModelloBeta>(ParametriBeta{32650, 3977, 0})},
            {"Steinhart-Hart", std::make_shared<ModelloSteinhartHart>(SH_10K)},
            {"esteso", std::make_shared<ModelloEsteso>(VISHAY_INVERSO)},
            {"esteso diretto", std::make_shared<ModelloEstesoDiretto>(VISHAY_DIRETTO)},
            {"tabella", std::make_shared<ModelloTabella>(std::move(tabella.Valore()))}};
}

TEST(Modelli, AndataERitornoEDerivataENienteFuoriDalCampo) {
    for (const auto& [nome, modello] : Modelli()) {
        double peggiore = 0;
        for (int i = 0; i <= 7100; ++i) {
            const double t = -55 + i * 0.05;
            const auto r = modello->Resistenza(t);
            ASSERT_TRUE(r) << nome << ' ' << t;
            const auto ritorno = modello->Temperatura(*r);
            ASSERT_TRUE(ritorno) << nome << ' ' << t;
            peggiore = std::fmax(peggiore, std::fabs(*ritorno - t));
            // Central difference of ln R against the model's own slope.
            const double h = 1e-4;
            const auto sotto = modello->Resistenza(t - h);
            const auto sopra = modello->Resistenza(t + h);
            const auto derivata = modello->DerivataLogaritmica(t);
            ASSERT_TRUE(derivata) << nome << ' ' << t;
            if (sotto && sopra && nome != "tabella") {
                const double numerica = (std::log(*sopra) - std::log(*sotto)) / (2 * h);
                EXPECT_NEAR(*derivata, numerica, std::fabs(numerica) * 1e-6) << nome << ' ' << t;
            }
            EXPECT_LT(*derivata, 0) << nome << ' ' << t;
        }
        EXPECT_LE(peggiore, 1e-9) << nome;
        for (const double r : {0.0, -1.0, double{NAN}}) {
            EXPECT_FALSE(modello->Temperatura(r)) << nome << ' ' << r;
        }
        for (const double t : {-273.15, -300.0, double{NAN}}) {
            EXPECT_FALSE(modello->Resistenza(t)) << nome << ' ' << t;
            EXPECT_FALSE(modello->DerivataLogaritmica(t)) << nome << ' ' << t;
        }
    }
}

TEST(ModelloSteinhartHart, ConCNegativoSoloIlRamoCheSale) {
    // ln R = ±sqrt(B / 3|C|) ≈ ±18.3 is where 1/T turns: beyond it there is no NTC.
    const ModelloSteinhartHart modello({1.4e-3, 2.4e-4, -2.4e-7});
    const auto r = modello.Resistenza(25);
    ASSERT_TRUE(r);
    EXPECT_NEAR(*modello.Temperatura(*r), 25, 1e-9);
    EXPECT_LT(std::log(*r), std::sqrt(2.4e-4 / (3 * 2.4e-7)));
    EXPECT_FALSE(modello.Resistenza(-272));
}

TEST(ModelloTabella, RigheEsattePendenzaNelTrattoERigheRifiutate) {
    auto tabella = ModelloTabella::Crea({{25, 10000}, {0, 32554.8}, {50, 3605.6}});
    ASSERT_TRUE(tabella.Riuscito());
    const ModelloTabella& modello = tabella.Valore();
    EXPECT_EQ(modello.Righe().front().temperatura, 0);
    EXPECT_EQ(*modello.Resistenza(0), 32554.8);
    EXPECT_EQ(*modello.Temperatura(3605.6), 50);
    EXPECT_FALSE(modello.Resistenza(-0.001));
    EXPECT_FALSE(modello.Resistenza(50.001));
    EXPECT_FALSE(modello.Temperatura(3605.5));
    // ln R linear in 1/T: the B from a row to any point inside its segment is the segment's.
    const double bTratto = std::log(32554.8 / 10000) / (1 / 273.15 - 1 / 298.15);
    const double r = *modello.Resistenza(12.3);
    EXPECT_NEAR(std::log(32554.8 / r) / (1 / 273.15 - 1 / 285.45), bTratto, 1e-9);
    EXPECT_NEAR(*modello.DerivataLogaritmica(12.3), -bTratto / (285.45 * 285.45), 1e-15);
    for (const auto& righe : std::vector<std::vector<PuntoRT>>{{{25, 10000}},
                                                               {{25, 10000}, {25, 9000}},
                                                               {{25, 10000}, {50, 10000}},
                                                               {{25, 10000}, {50, 12000}},
                                                               {{25, 10000}, {50, -1}},
                                                               {{-300, 10000}, {50, 3000}},
                                                               {{NAN, 10000}, {50, 3000}}}) {
        const auto esito = ModelloTabella::Crea(righe);
        EXPECT_FALSE(esito.Riuscito()) << righe.size();
        EXPECT_FALSE(esito.Motivo().empty());
    }
}

} // namespace
