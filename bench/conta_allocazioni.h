#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>

// Linking conta_allocazioni.cpp replaces the global operator new: this is how many
// times it has been called so far in the process.
uint64_t AllocazioniFatte();

// Varying inputs, so that no call can be folded to a constant or hoisted out of the loop.
inline constexpr std::size_t QUANTI = 1024;

// Runs the call over the inputs in turn and reports the allocations per call.
template <typename Ingresso, typename Chiamata>
void Misura(benchmark::State& stato, const std::array<Ingresso, QUANTI>& ingressi,
            Chiamata chiamata) {
    std::size_t i = 0;
    const uint64_t prima = AllocazioniFatte();
    for (auto _ : stato) {
        benchmark::DoNotOptimize(chiamata(ingressi[i]));
        i = (i + 1) % QUANTI;
    }
    const uint64_t fatte = AllocazioniFatte() - prima;
    stato.counters["alloc/call"] =
        static_cast<double>(fatte) / static_cast<double>(stato.iterations());
}
