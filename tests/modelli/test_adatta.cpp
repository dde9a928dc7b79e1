// The fits on points drawn from a known model give that model back; the maker tables'
// test checks them against fits recomputed by other means.
#include "modelli/adatta_beta.h"
#include "modelli/adatta_esteso.h"
#include "modelli/adatta_esteso_diretto.h"
#include "modelli/adatta_steinhart_hart.h"
#include "modelli/beta_tra.h"
#include "modelli/punti.h"
#include "modelli/registro_modelli.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const ParametriSteinhartHart SH_DA_RITROVARE{1.009249522e-3, 2.378405444e-4, 2.019202697e-7};
const ParametriEsteso VISHAY{3.354016e-03, 2.569850e-04, 2.620131e-06, 6.383091e-08, 10000};

std::vector<PuntoRT> Punti(const ModelloNTC& modello, double da, double a, double passo) {
    std::vector<PuntoRT> punti;
    for (int i = 0; da + i * passo <= a; ++i) {
        const double t = da + i * passo;
        punti.push_back({t, *modello.Resistenza(t)});
    }
    return punti;
}

TEST(AdattaBeta, DuePuntiEMinimiQuadrati) {
    const auto esito = AdattaBeta({25, 10000}, {85, 1000});
    ASSERT_TRUE(esito.Riuscito());
    // At its own temperature R0 is the point's resistance, not a rounding of it.
    EXPECT_EQ(esito.Valore().parametri.R0, 10000);
    EXPECT_NEAR(esito.Valore().parametri.B, std::log(10.0) / (1 / 298.15 - 1 / 358.15), 1e-9);
    // R0 moves to the reference temperature along the same curve.
    const auto altrove = AdattaBeta({0, 30000}, {50, 4000}, 25);
    ASSERT_TRUE(altrove.Riuscito());
    EXPECT_NEAR(*ModelloBeta(altrove.Valore().parametri).Resistenza(0), 30000, 1e-8);
    for (const auto& [a, b] : {std::pair<PuntoRT, PuntoRT>{{25, 10000}, {25, 9000}},
                               {{25, 10000}, {85, 10000}},
                               {{25, 10000}, {85, 20000}},
                               {{25, 0}, {85, 1000}}}) {
        EXPECT_FALSE(AdattaBeta(a, b).Riuscito()) << a.temperatura << ' ' << b.resistenza;
    }
    const auto tutti =
        AdattaBetaMinimiQuadrati(Punti(ModelloBeta({4700, 3977, 25}), -40, 150, 2.5));
    ASSERT_TRUE(tutti.Riuscito());
    EXPECT_NEAR(tutti.Valore().parametri.R0, 4700, 4700 * 1e-10);
    EXPECT_NEAR(tutti.Valore().parametri.B, 3977, 3977 * 1e-10);
    EXPECT_LE(tutti.Valore().scarti.massimo, 1e-8);
}

// With R0 given only B is fitted: points of a Beta give its B back, and when the points do
// not share the pinned R0 the fit is the one-parameter least squares, not the free fit.
TEST(AdattaBeta, ConR0DatoSoloB) {
    for (const ParametriBeta& vero : {ParametriBeta{10000, 3950, 25}, {8000, 3435, 30}}) {
        const auto esito =
            AdattaBetaConR0(Punti(ModelloBeta(vero), -40, 150, 5), {}, vero.R0, vero.T0);
        ASSERT_TRUE(esito.Riuscito()) << esito.Motivo();
        EXPECT_EQ(esito.Valore().parametri.R0, vero.R0);
        EXPECT_EQ(esito.Valore().parametri.T0, vero.T0);
        EXPECT_NEAR(esito.Valore().parametri.B, vero.B, vero.B * 1e-12);
        EXPECT_LE(esito.Valore().scarti.massimo, 1e-9);
    }
    // Two points off the curve of R0 = 10000: with all the weight on one, B goes through it.
    const std::vector<PuntoRT> due{{0, 30000}, {85, 1500}};
    const double u0 = 1 / 273.15 - 1 / 298.15;
    const double u85 = 1 / 358.15 - 1 / 298.15;
    for (const auto& [pesi, atteso] :
         {std::pair{std::vector<double>{1, 0}, std::log(3.0) / u0},
          std::pair{std::vector<double>{0, 2}, std::log(0.15) / u85},
          std::pair{std::vector<double>{},
                    (u0 * std::log(3.0) + u85 * std::log(0.15)) / (u0 * u0 + u85 * u85)}}) {
        const auto esito = AdattaBetaConR0(due, pesi, 10000);
        ASSERT_TRUE(esito.Riuscito()) << esito.Motivo();
        EXPECT_NEAR(esito.Valore().parametri.B, atteso, atteso * 1e-12);
        EXPECT_EQ(esito.Valore().parametri.R0, 10000);
    }
    const std::vector<PuntoRT> aT0{{25, 10000}, {25, 10100}};
    EXPECT_FALSE(AdattaBetaConR0(aT0, {}, 10000).Riuscito()); // nothing away from T0
    EXPECT_FALSE(AdattaBetaConR0(due, std::vector<double>{0, 0}, 10000).Riuscito());
    EXPECT_FALSE(AdattaBetaConR0(due, {}, 0).Riuscito()); // R0 ≤ 0
    const std::vector<PuntoRT> sale{{0, 1000}, {85, 50000}};
    EXPECT_FALSE(AdattaBetaConR0(sale, {}, 10000).Riuscito()); // a rising curve
    EXPECT_FALSE(AdattaBetaConR0({}, {}, 10000).Riuscito());
}

TEST(AdattaSteinhartHart, TrePuntiEMinimiQuadratiRitrovanoIlModello) {
    const ModelloSteinhartHart vero(SH_DA_RITROVARE);
    const auto tre = AdattaSteinhartHart3({0, *vero.Resistenza(0)}, {25, *vero.Resistenza(25)},
                                          {85, *vero.Resistenza(85)});
    const auto tutti = AdattaSteinhartHartMinimiQuadrati(Punti(vero, -55, 300, 0.5));
    for (const auto* esito : {&tre, &tutti}) {
        ASSERT_TRUE(esito->Riuscito());
        const auto& a = esito->Valore();
        EXPECT_NEAR(a.parametri.A, SH_DA_RITROVARE.A, 1e-9 * SH_DA_RITROVARE.A);
        EXPECT_NEAR(a.parametri.B, SH_DA_RITROVARE.B, 1e-8 * SH_DA_RITROVARE.B);
        EXPECT_NEAR(a.parametri.C, SH_DA_RITROVARE.C, 1e-6 * SH_DA_RITROVARE.C);
        EXPECT_LE(a.scarti.massimo, 1e-8);
        EXPECT_TRUE(a.avvisi.empty());
        EXPECT_FALSE(a.betaEstremi);
    }
}

TEST(AdattaSteinhartHart, IPesiEscludonoUnPuntoFuoriCurva) {
    auto punti = Punti(ModelloSteinhartHart(SH_DA_RITROVARE), 0, 100, 10);
    punti[5].resistenza *= 1.2;
    std::vector<double> pesi(punti.size(), 1);
    pesi[5] = 0;
    const auto esito = AdattaSteinhartHartMinimiQuadrati(punti, pesi);
    ASSERT_TRUE(esito.Riuscito());
    const Scarti& s = esito.Valore().scarti;
    EXPECT_LE(std::fabs(s.perPunto[4]), 1e-8);
    // The weightless point still gets its residual, and it is the largest.
    EXPECT_GT(std::fabs(s.perPunto[5]), 3);
    EXPECT_EQ(s.massimo, std::fabs(s.perPunto[5]));
    const std::vector<double> pochi(3, 1);
    EXPECT_FALSE(AdattaSteinhartHartMinimiQuadrati(punti, pochi).Riuscito());
    pesi[5] = -1;
    EXPECT_FALSE(AdattaSteinhartHartMinimiQuadrati(punti, pesi).Riuscito());
}

// Through the registry, as many points as coefficients are fitted in closed form only when
// unweighted: a weight of 0 leaves one point too few, and the fit says so.
TEST(AdattaModello, UnPesoZeroLasciaUnPuntoInMeno) {
    const std::vector<PuntoRT> punti{{0, 30000}, {25, 10000}, {85, 1000}};
    for (const auto& [nome, quanti] : {std::pair{"beta", 2}, std::pair{"steinhart-hart", 3}}) {
        const std::span<const PuntoRT> usati(punti.data(), quanti);
        std::vector<double> pesi(usati.size(), 1);
        EXPECT_TRUE(AdattaModello(*TipoDaNome(nome), usati, {pesi, {}}).Riuscito()) << nome;
        pesi.back() = 0;
        EXPECT_FALSE(AdattaModello(*TipoDaNome(nome), usati, {pesi, {}}).Riuscito()) << nome;
    }
}

TEST(ControllaPunti, NeServonoAlmenoQuantiIlModelloHaCoefficienti) {
    const std::vector<PuntoRT> tre{{0, 30000}, {25, 10000}, {50, 4000}};
    EXPECT_EQ(ControllaPunti(tre, {}, 4), "servono almeno 4 punti");
    EXPECT_EQ(ControllaPunti(tre, {}, 3), "");
}

TEST(AdattaSteinhartHart, CNegativoAvvisaEProponeIlBeta) {
    const std::vector<PuntoRT> punti{{50, 4161}, {25, 10000}, {85, 1600}};
    for (const auto& esito : {AdattaSteinhartHart3(punti[0], punti[1], punti[2]),
                              AdattaSteinhartHartMinimiQuadrati(punti)}) {
        ASSERT_TRUE(esito.Riuscito());
        const auto& a = esito.Valore();
        EXPECT_LT(a.parametri.C, 0);
        ASSERT_EQ(a.avvisi.size(), 1U);
        ASSERT_TRUE(a.betaEstremi);
        const double b = std::log(10000.0 / 1600) / (1 / 298.15 - 1 / 358.15);
        EXPECT_NEAR(b, 3261.458, 5e-4);
        EXPECT_NEAR(a.betaEstremi->B, b, 1e-9);
        EXPECT_EQ(a.betaEstremi->R0, 10000);
        EXPECT_NE(a.avvisi[0].find("3261.458"), std::string::npos) << a.avvisi[0];
    }
    EXPECT_FALSE(AdattaSteinhartHart3({25, 10000}, {50, 10000}, {85, 1600}).Riuscito());
}

TEST(AdattaEsteso, RitrovaIlModelloEIlRiferimento) {
    const auto punti = Punti(ModelloEsteso(VISHAY), -40, 150, 1);
    const auto esito = AdattaEsteso(punti);
    ASSERT_TRUE(esito.Riuscito());
    // Without a reference, the point nearest 25 °C gives it.
    EXPECT_EQ(esito.Valore().parametri.Rrif, punti[65].resistenza);
    EXPECT_LE(esito.Valore().scarti.massimo, 1e-8);
    EXPECT_FALSE(AdattaEsteso(std::span(punti).first(3)).Riuscito());
    EXPECT_FALSE(AdattaEsteso(punti, -1.0).Riuscito());
}

TEST(AdattaEstesoDiretto, RitrovaIlModelloInAvantiDelCostruttore) {
    // The maker's forward form of the same 10 kΩ, B25/85 = 3977 K part.
    const ParametriEstesoDiretto vero{-14.6337, 4791.842, -115334, -3.730535e6, 10000};
    const auto punti = Punti(ModelloEstesoDiretto(vero), -40, 125, 5);
    const auto esito = AdattaEstesoDiretto(punti, 10000.0);
    ASSERT_TRUE(esito.Riuscito());
    const auto& p = esito.Valore().parametri;
    EXPECT_NEAR(p.A, vero.A, 1e-7 * std::fabs(vero.A));
    EXPECT_NEAR(p.B, vero.B, 1e-7 * std::fabs(vero.B));
    EXPECT_NEAR(p.C, vero.C, 1e-6 * std::fabs(vero.C));
    EXPECT_NEAR(p.D, vero.D, 1e-6 * std::fabs(vero.D));
    EXPECT_LE(esito.Valore().scarti.massimo, 1e-8);
    EXPECT_EQ(AdattaEstesoDiretto(punti).Valore().parametri.Rrif, punti[13].resistenza);
    EXPECT_FALSE(AdattaEstesoDiretto(std::span(punti).first(3)).Riuscito());
}

TEST(BetaTra, DiOgniModello) {
    const ModelloBeta beta({10000, 3950});
    EXPECT_NEAR(*BetaTra(beta, -40, 150), 3950, 1e-9);
    EXPECT_FALSE(BetaTra(beta, 25, 25));
    EXPECT_FALSE(BetaTra(beta, 25, -300));
}

} // namespace
