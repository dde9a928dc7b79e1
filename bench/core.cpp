// Nanoseconds per call of the conversions and the text rules, beside a bare std::exp
// and std::log, and the heap allocations that each call makes.
#include "bench/conta_allocazioni.h"

#include "core/conversioni.h"
#include "core/parametri_ntc.h"
#include "core/regione.h"
#include "core/testi_numerici.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

namespace {

template <typename Genera> auto Ingressi(Genera genera) {
    std::mt19937_64 caso(42);
    std::array<decltype(genera(caso)), QUANTI> valori{};
    for (auto& v : valori) {
        v = genera(caso);
    }
    return valori;
}

double Tra(std::mt19937_64& caso, double da, double a) {
    return std::uniform_real_distribution<double>(da, a)(caso);
}

const auto TEMPERATURE = Ingressi([](std::mt19937_64& c) { return Tra(c, -60, 300); });
const auto RESISTENZE = Ingressi([](std::mt19937_64& c) { return std::exp(Tra(c, 0, 15)); });
const auto NUMERI = Ingressi(
    [](std::mt19937_64& c) { return (c() % 2 != 0 ? -1 : 1) * std::pow(10.0, Tra(c, -8, 18)); });
const auto TESTI_PUNTO =
    Ingressi([](std::mt19937_64& c) { return NumeroInTesto(std::pow(10.0, Tra(c, -8, 18))); });
const Regione ITALIANA{",", "."};
const auto TESTI_REGIONE = Ingressi(
    [](std::mt19937_64& c) { return FormattaNumero(std::pow(10.0, Tra(c, -3, 8)), ITALIANA); });
const ParametriNTC SENSORE{10000, 3950};

void EspNudo(benchmark::State& s) {
    Misura(s, TEMPERATURE, [](double t) { return std::exp(t / 50); });
}
void LogNudo(benchmark::State& s) {
    Misura(s, RESISTENZE, [](double r) { return std::log(r); });
}
void Ohm(benchmark::State& s) {
    Misura(s, TEMPERATURE, [](double t) { return CalcolaOhm(SENSORE, t); });
}
void Temperatura(benchmark::State& s) {
    Misura(s, RESISTENZE, [](double r) { return CalcolaTemperatura(SENSORE, r); });
}
void Fahrenheit(benchmark::State& s) {
    Misura(s, TEMPERATURE, [](double t) { return ConvertiTemperatura(t, "F"); });
}
void Kelvin(benchmark::State& s) {
    Misura(s, TEMPERATURE, [](double t) { return ConvertiTemperatura(t, "K"); });
}
void Singola(benchmark::State& s) {
    Misura(s, NUMERI, [](double x) { return RiduciASingola(x); });
}
void Scrivi(benchmark::State& s) {
    Misura(s, NUMERI, [](double x) { return NumeroInTesto(x); });
}
void Formatta(benchmark::State& s) {
    Misura(s, NUMERI, [](double x) { return FormattaNumero(x, ITALIANA); });
}
void Leggi(benchmark::State& s) {
    Misura(s, TESTI_PUNTO, [](const std::string& t) { return LeggiNumero(t); });
}
void LeggiLocale(benchmark::State& s) {
    Misura(s, TESTI_REGIONE, [](const std::string& t) { return LeggiNumeroLocale(t, ITALIANA); });
}
void TestNumerico(benchmark::State& s) {
    Misura(s, TESTI_REGIONE, [](const std::string& t) { return EUnNumeroLocale(t, ITALIANA); });
}

} // namespace

BENCHMARK(EspNudo)->Name("std::exp");
BENCHMARK(LogNudo)->Name("std::log");
BENCHMARK(Ohm)->Name("CalcolaOhm");
BENCHMARK(Temperatura)->Name("CalcolaTemperatura");
BENCHMARK(Fahrenheit)->Name("ConvertiTemperatura/F");
BENCHMARK(Kelvin)->Name("ConvertiTemperatura/K");
BENCHMARK(Singola)->Name("RiduciASingola");
BENCHMARK(Scrivi)->Name("NumeroInTesto");
BENCHMARK(Formatta)->Name("FormattaNumero");
BENCHMARK(Leggi)->Name("LeggiNumero");
BENCHMARK(LeggiLocale)->Name("LeggiNumeroLocale");
BENCHMARK(TestNumerico)->Name("EUnNumeroLocale");

BENCHMARK_MAIN();
