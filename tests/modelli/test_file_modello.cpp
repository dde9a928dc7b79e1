#include "modelli/file_modello.h"
#include "modelli/registro_modelli.h"
#include "profilo/file_ntc.h"
#include "tests/profilo/cartella_prova.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>

namespace {

const ParametriSteinhartHart SH{0.0011291481324, 0.000234107705, 8.7754682e-8};
const ParametriEsteso ESTESO{0.0033540164, 0.00025617244, 2.1400943e-6, -7.2405219e-8, 10000};

// Which model the file stands for, or "" when it holds none.
std::string Tipo(const std::filesystem::path& file) {
    const auto caricato = CaricaModello(file);
    return caricato.Riuscito() ? std::string(TipoDi(caricato.Valore()).nome) : "";
}

} // namespace

TEST(FileModello, OgniModelloTornaConGliStessiDouble) {
    CartellaProva cartella;
    const auto file = cartella / "sonda.ntc";
    // One model of each kind, in the registry's order, saved in turn into the same file:
    // the one [Modello] names wins. The Beta is away from 25 °C with more digits than the
    // calculator's 15.
    const std::vector<ParametriModello> modelli{
        ParametriBeta{8269.978058641093, 3433.9763990101796, 30}, SH, ESTESO,
        ParametriEstesoDiretto{-14.6337, 4791.842, -115334, -3.730535e6, 10000}};
    ASSERT_EQ(modelli.size(), NUMERO_TIPI);
    for (const ParametriModello& modello : modelli) {
        ASSERT_TRUE(SalvaModello(file, modello)) << TipoDi(modello).nome;
        const auto caricato = CaricaModello(file);
        ASSERT_TRUE(caricato.Riuscito()) << TipoDi(modello).nome;
        EXPECT_EQ(caricato.Valore().index(), modello.index());
        EXPECT_EQ(ValoriCoefficienti(caricato.Valore()), ValoriCoefficienti(modello))
            << TipoDi(modello).nome;
    }
}

TEST(FileModello, SenzaTipoVinceIlModelloPiuPieno) {
    CartellaProva cartella;
    const auto file = cartella / "sonda.ntc";
    const std::string ntc = "[NTC]\nR0=10000\nB=3950\n";
    const std::string sh = "[Steinhart-Hart]\nA=0.001\nB=0.0002\nC=1e-7\n";
    const std::string esteso = "[Esteso]\nA1=0.003\nB1=0.0002\nC1=2e-6\nD1=-7e-8\nRrif=10000\n";
    const std::vector<std::pair<std::string, std::string>> casi{
        {ntc + sh + esteso, "steinhart-hart"},
        {esteso + ntc, "esteso"},
        {ntc, "beta"},
        {ntc + "[Steinhart-Hart]\nA=0.001\nB=0.0002\n", "beta"},          // no C
        {ntc + "[Steinhart-Hart]\nA=nan\nB=0.0002\nC=1e-7\n", "beta"},    // not a number
        {ntc + "[Steinhart-Hart]\nA=0.001x\nB=0.0002\nC=1e-7\n", "beta"}, // not a whole one
        {ntc + sh + esteso + "[Modello]\nTipo=esteso\n", "esteso"},
        {ntc + sh + "[Modello]\nTipo=beta\n", "beta"},
        {ntc + sh + esteso + "[Curva]\nModello=esteso\n", "esteso"}, // the curve window's name
        {sh + "[Modello]\nTipo=beta\n", ""},                         // no [NTC] to fall back on
        {"[NTC]\nR0=0\nB=3950\n", ""},
        {"", ""},
    };
    for (const auto& [testo, tipo] : casi) {
        ScriviFile(file, testo);
        EXPECT_EQ(Tipo(file), tipo) << testo;
    }
    EXPECT_EQ(Tipo(cartella / "manca.ntc"), "");
}

TEST(FileModello, LaBetaPienaCedeAiValoriCheLaCalcolatriceHaSalvato) {
    CartellaProva cartella;
    const auto file = cartella / "sonda.ntc";
    ASSERT_TRUE(SalvaModello(file, ParametriBeta{10000.123456789012, 3950.5, 25}));
    // A save of the calculator with the same values keeps the full digits...
    ParametriNTC calcolatrice;
    CaricaParametri(file, calcolatrice);
    ASSERT_TRUE(SalvaParametri(file, calcolatrice));
    EXPECT_EQ(std::get<ParametriBeta>(CaricaModello(file).Valore()).R0, 10000.123456789012);
    // ...one with new values makes them the model.
    ASSERT_TRUE(SalvaParametri(file, ParametriNTC{4700, 3435}));
    const auto beta = std::get<ParametriBeta>(CaricaModello(file).Valore());
    EXPECT_EQ(std::tie(beta.R0, beta.B, beta.T0), std::tuple(4700.0, 3435.0, 25.0));
}

TEST(FileModello, UnModelloSenzaR25NonSiSalva) {
    CartellaProva cartella;
    const auto file = cartella / "sonda.ntc";
    ScriviFile(file, "; mio\n");
    // 1/T = -1 has no temperature: no R25 for the calculator.
    EXPECT_FALSE(SalvaModello(file, ParametriSteinhartHart{-1, 0, 0}));
    EXPECT_EQ(LeggiFile(file), "; mio\n");
}

// A file that names its model, or holds only [NTC], says which value keeps it from being
// one.
TEST(FileModello, IlMotivoNominaIlValoreSbagliato) {
    CartellaProva cartella;
    const auto file = cartella / "sonda.ntc";
    const std::string ntc = "[NTC]\nR0=10000\nB=3950\n";
    const std::vector<std::pair<std::string, std::vector<std::string>>> casi{
        {ntc + "[Modello]\nTipo=steinhart-hart\n[Steinhart-Hart]\nA=abc\nB=0.0002\nC=\n",
         {"[Steinhart-Hart]", "A=abc", "C="}},
        {ntc + "[Modello]\nTipo=esteso\n", {"[Esteso]", "A1"}},
        {ntc + "[Modello]\nTipo=polinomio\n", {"Tipo=polinomio"}},
        {"[NTC]\nR0=dieci\nB=3950\n", {"R0=dieci"}},
        {"[NTC]\nR0=1e400\nB=3950\n", {"R0=1e400"}},
        {"[NTC]\nR0=-10000\nB=3950\n", {"R0=-10000", "positivo"}},
        {"[NTC]\nR0=10000\nB=-3950\n", {"B=-3950", "positivo"}},
        {"[NTC]\nR0=10000\n", {"B"}},
        {std::string("\x7f"
                     "ELF\x02\x01\x01\0\0\0",
                     10),
         {"[NTC]"}},
    };
    for (const auto& [testo, detti] : casi) {
        ScriviFile(file, testo);
        const auto caricato = CaricaModello(file);
        ASSERT_FALSE(caricato.Riuscito()) << testo;
        for (const std::string& detto : detti) {
            EXPECT_NE(caricato.Motivo().find(detto), std::string::npos)
                << testo << " → " << caricato.Motivo();
        }
    }
}

TEST(RegistroModelli, CoefficientiCheNonFannoUnModello) {
    EXPECT_EQ(VerificaParametri(ParametriBeta{HUGE_VAL, 3950, 25}), "R0 non è un numero finito");
    EXPECT_EQ(VerificaParametri(ParametriBeta{10000, 0, 25}), "B deve essere positivo");
    ParametriEsteso senzaRrif = ESTESO;
    senzaRrif.Rrif = 0;
    EXPECT_EQ(VerificaParametri(senzaRrif), "Rrif deve essere positivo");
}
