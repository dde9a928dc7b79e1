// Nanoseconds per evaluation of each thermistor model, both ways, with the heap
// allocations per call (none may allocate), and the least-squares fits of 10 000 points.
#include "bench/conta_allocazioni.h"

#include "modelli/adatta_esteso.h"
#include "modelli/adatta_steinhart_hart.h"
#include "modelli/modello_beta.h"
#include "modelli/modello_esteso.h"
#include "modelli/modello_esteso_diretto.h"
#include "modelli/modello_steinhart_hart.h"
#include "modelli/modello_tabella.h"
#include "modelli/testo_breve.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t PUNTI_ADATTAMENTO = 10000;

std::array<double, QUANTI> Ingressi(double da, double a, bool logaritmici) {
    std::mt19937_64 caso(42);
    std::array<double, QUANTI> valori{};
    for (double& v : valori) {
        const double x = std::uniform_real_distribution<double>(da, a)(caso);
        v = logaritmici ? std::exp(x) : x;
    }
    return valori;
}

const auto TEMPERATURE = Ingressi(-40, 150, false);
// 150 °C to −40 °C for a 10 kΩ part: about 170 Ω to 340 kΩ.
const auto RESISTENZE = Ingressi(std::log(170.0), std::log(340000.0), true);

const ModelloBeta BETA({10000, 3977});
const ModelloSteinhartHart SH({1.009249522e-3, 2.378405444e-4, 2.019202697e-7});
const ModelloEsteso ESTESO({3.354016e-03, 2.569850e-04, 2.620131e-06, 6.383091e-08, 10000});
const ModelloEstesoDiretto DIRETTO({-14.6337, 4791.842, -115334, -3.730535e+06, 10000});

// A maker-sized table: −40…150 °C every 5 K.
ModelloTabella Tabella() {
    std::vector<PuntoRT> righe;
    for (int t = -40; t <= 150; t += 5) {
        righe.push_back({static_cast<double>(t), *DIRETTO.Resistenza(t)});
    }
    return ModelloTabella::Crea(righe).Valore();
}
const ModelloTabella TABELLA = Tabella();

void Resistenza(benchmark::State& s, const ModelloNTC* modello) {
    Misura(s, TEMPERATURE, [modello](double t) { return modello->Resistenza(t); });
}
void Temperatura(benchmark::State& s, const ModelloNTC* modello) {
    Misura(s, RESISTENZE, [modello](double r) { return modello->Temperatura(r); });
}
void Derivata(benchmark::State& s, const ModelloNTC* modello) {
    Misura(s, TEMPERATURE, [modello](double t) { return modello->DerivataLogaritmica(t); });
}

void Testo(benchmark::State& s) {
    std::string testo;
    testo.reserve(64);
    Misura(s, RESISTENZE, [&testo](double r) {
        testo.clear();
        AggiungiTestoBreve(testo, r);
        return testo.size();
    });
}

// 10 000 points of the maker's curve, −40…150 °C, with a little noise on R.
std::vector<PuntoRT> PuntiAdattamento() {
    std::mt19937_64 caso(7);
    std::normal_distribution<double> rumore(0, 1e-4);
    std::vector<PuntoRT> punti;
    for (std::size_t i = 0; i < PUNTI_ADATTAMENTO; ++i) {
        const double t = -40 + 190.0 * static_cast<double>(i) / (PUNTI_ADATTAMENTO - 1);
        punti.push_back({t, *DIRETTO.Resistenza(t) * (1 + rumore(caso))});
    }
    return punti;
}

void AdattaSH(benchmark::State& s) {
    const auto punti = PuntiAdattamento();
    while (s.KeepRunning()) {
        benchmark::DoNotOptimize(AdattaSteinhartHartMinimiQuadrati(punti));
    }
}
void AdattaEst(benchmark::State& s) {
    const auto punti = PuntiAdattamento();
    while (s.KeepRunning()) {
        benchmark::DoNotOptimize(AdattaEsteso(punti, 10000.0));
    }
}

} // namespace

BENCHMARK_CAPTURE(Resistenza, Beta, &BETA)->Name("Beta/R(T)");
BENCHMARK_CAPTURE(Temperatura, Beta, &BETA)->Name("Beta/T(R)");
BENCHMARK_CAPTURE(Derivata, Beta, &BETA)->Name("Beta/dlnR/dT");
BENCHMARK_CAPTURE(Resistenza, SH, &SH)->Name("SteinhartHart/R(T)");
BENCHMARK_CAPTURE(Temperatura, SH, &SH)->Name("SteinhartHart/T(R)");
BENCHMARK_CAPTURE(Derivata, SH, &SH)->Name("SteinhartHart/dlnR/dT");
BENCHMARK_CAPTURE(Resistenza, Esteso, &ESTESO)->Name("Esteso/R(T)");
BENCHMARK_CAPTURE(Temperatura, Esteso, &ESTESO)->Name("Esteso/T(R)");
BENCHMARK_CAPTURE(Derivata, Esteso, &ESTESO)->Name("Esteso/dlnR/dT");
BENCHMARK_CAPTURE(Resistenza, Diretto, &DIRETTO)->Name("EstesoDiretto/R(T)");
BENCHMARK_CAPTURE(Temperatura, Diretto, &DIRETTO)->Name("EstesoDiretto/T(R)");
BENCHMARK_CAPTURE(Derivata, Diretto, &DIRETTO)->Name("EstesoDiretto/dlnR/dT");
BENCHMARK_CAPTURE(Resistenza, Tabella, &TABELLA)->Name("Tabella/R(T)");
BENCHMARK_CAPTURE(Temperatura, Tabella, &TABELLA)->Name("Tabella/T(R)");
BENCHMARK_CAPTURE(Derivata, Tabella, &TABELLA)->Name("Tabella/dlnR/dT");
BENCHMARK(Testo)->Name("AggiungiTestoBreve");
BENCHMARK(AdattaSH)->Name("AdattaSteinhartHartMinimiQuadrati/10000")->Unit(benchmark::kMillisecond);
BENCHMARK(AdattaEst)->Name("AdattaEsteso/10000")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
