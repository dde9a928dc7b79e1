// The design of a measuring circuit as the command and the curve window make it: a 100 kΩ
// B 4267 K hotend thermistor on −55…300 °C at 1 K (356 rows, 104 Ω to 19 MΩ: six
// decades), every E96 value over them ranked by each criterion, with the continuous
// optimum; and one resistor's budget.
#include "bench/conta_allocazioni.h"

#include "calcoli/progetto.h"
#include "modelli/modello_beta.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const ModelloBeta HOTEND({100000, 4267, 25});

RichiestaProgetto Richiesta(CriterioProgetto::Tipo criterio) {
    RichiestaProgetto richiesta;
    richiesta.griglia = {-55, 1, 1, 356};
    richiesta.circuito = {Partitore::Posizione::VersoMassa, 3.3, 12};
    richiesta.tolleranze.adcLsb = 2;
    richiesta.tolleranze.riferimentoPercento = 0.5;
    richiesta.tolleranze.dissipazioneMilliwattPerK = 1.5;
    richiesta.criterio = {criterio, 200};
    richiesta.serie = SeriePreferita::E96;
    return richiesta;
}

// Preparing the grid and choosing: what one command or one redraw of the view costs.
void Scelta(benchmark::State& stato, CriterioProgetto::Tipo criterio) {
    const RichiestaProgetto richiesta = Richiesta(criterio);
    std::size_t candidati = 0;
    while (stato.KeepRunning()) {
        const auto progetto = std::get<Progetto>(Progetto::Prepara(HOTEND, richiesta));
        const SceltaResistenza scelta = progetto.Scegli();
        candidati = scelta.candidati.size();
        benchmark::DoNotOptimize(scelta.ottimo.rSerie);
    }
    stato.counters["candidates"] = static_cast<double>(candidati);
}

void Bilancio(benchmark::State& stato) {
    const auto progetto =
        std::get<Progetto>(Progetto::Prepara(HOTEND, Richiesta(CriterioProgetto::Tipo::Errore)));
    while (stato.KeepRunning()) {
        benchmark::DoNotOptimize(progetto.Bilancio(4700).back().rss);
    }
}

} // namespace

BENCHMARK_CAPTURE(Scelta, risoluzione, CriterioProgetto::Tipo::Risoluzione)
    ->Name("Progetto/E96/-55..300/risoluzione")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Scelta, errore, CriterioProgetto::Tipo::Errore)
    ->Name("Progetto/E96/-55..300/errore")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Scelta, a_temperatura, CriterioProgetto::Tipo::ATemperatura)
    ->Name("Progetto/E96/-55..300/a-temperatura")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Bilancio)->Name("Progetto/bilancio/356")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
