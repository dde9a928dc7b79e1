#pragma once

#include "calcoli/griglia.h"
#include "calcoli/partitore_adc.h"
#include "calcoli/serie_preferite.h"
#include "modelli/modello_ntc.h"
#include "modelli/partitore.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Designing the measuring circuit: a thermistor in a divider read by an ADC, its
// resolution and error budget over a range for any series resistor, and the choice of
// that resistor from a series of preferred values. Errors are propagated to first order
// through the slope of the reading, each as ± kelvin at the temperature.

// Each series resistor tried costs a pass over the rows, and a table longer than this
// says no more about a circuit than one at a coarser step.
inline constexpr long RIGHE_MASSIME_PROGETTO = 10'000;

// The divider and the converter, without the series resistor the design is about.
struct CircuitoProgetto {
    Partitore::Posizione posizione = Partitore::Posizione::VersoMassa;
    double tensioneRif = VREF_PREDEFINITA; // across the divider, and the ADC's reference
    int bit = BIT_PREDEFINITI;
};

// What may be off, each ± and positive.
struct TolleranzeProgetto {
    double r25Percento = 1;
    // B's tolerance scales ln(R(T)/R25), the model's own distance from 25 °C, whatever the
    // kind of model (as for a Beta, where that is B·(1/T − 1/T25)).
    double bPercento = 1;
    double seriePercento = 1;
    // The converter's error beside the ½ LSB of quantisation (offset, gain, non-linearity);
    // 0 for an ideal one.
    double adcLsb = 0;
    // When the ADC's reference is not the divider's supply: how far apart the two may be.
    std::optional<double> riferimentoPercento;
    // The thermistor's dissipation constant; without it self-heating is not counted.
    std::optional<double> dissipazioneMilliwattPerK;
};

// The error contributions, in the order of a row's columns and a plot's stack.
enum class Contributo { R25, B, Serie, Adc, Riferimento, Autoriscaldamento };
inline constexpr std::size_t NUMERO_CONTRIBUTI = 6;

// What the series resistor is chosen for.
struct CriterioProgetto {
    enum class Tipo {
        Risoluzione,  // the smallest worst K per count over the range
        Errore,       // the smallest worst-case total error over the range
        ATemperatura, // the smallest K per count at one temperature
    };
    Tipo tipo = Tipo::Errore;
    double temperatura = 0; // °C, for ATemperatura
};

struct RichiestaProgetto {
    Griglia griglia;
    CircuitoProgetto circuito;
    TolleranzeProgetto tolleranze;
    CriterioProgetto criterio;
    SeriePreferita serie = SeriePreferita::E96;
};

// One temperature of the budget for one series resistor.
struct RigaProgetto {
    double temperatura = 0;
    double resistenza = 0;
    double tensione = 0;      // V at the ADC's input
    double conteggi = 0;      // unrounded: V / Vref · 2^bit
    double conteggiPerK = 0;  // |dN/dT|
    double kPerConteggio = 0; // the resolution
    // ± K each; self-heating only ever reads high, by its value.
    std::array<double, NUMERO_CONTRIBUTI> contributi{};
    double peggiore = 0; // their sum: the farthest the reading can be, on the high side
    double rss = 0;      // the root of the sum of their squares
};

// One series resistor over the whole range.
struct FigureResistenza {
    double rSerie = 0;
    double risoluzionePeggiore = 0; // the largest K per count
    double errorePeggiore = 0;      // the largest worst-case total
    double errorePeggioreRss = 0;   // the largest root-sum-of-squares total
    double autoriscaldamentoMassimo = 0;
    double criterio = 0;        // the figure the criterion ranks by, smaller is better
    double perditaPercento = 0; // how much larger it is than the continuous optimum's
};

struct SceltaResistenza {
    std::vector<FigureResistenza> candidati; // the series' values, best first
    FigureResistenza ottimo;                 // the best resistance of all, not a preferred value
    FigureResistenza vicino;                 // the series' value nearest the optimum (in ln)
};

// Why there is no design: the request is out of bounds (bad usage), or the model gives
// no answer on the range (bad data).
struct ErroreProgetto {
    enum class Tipo { Richiesta, Modello };
    Tipo tipo = Tipo::Richiesta;
    std::string motivo;
};

// The model evaluated once on the grid; rows and choices then take no model and no
// allocation per resistor tried.
class Progetto {
public:
    // Checks the request and the model over the range: bits 1…31, a positive Vref, every
    // tolerance and the dissipation constant positive, the ADC error not negative, at most
    // RIGHE_MASSIME_PROGETTO rows, the criterion's temperature inside the range, and a
    // resistance between 1 mΩ and 1 TΩ and a falling slope at every temperature of it (and
    // a resistance at 25 °C, for B).
    static std::variant<Progetto, ErroreProgetto> Prepara(const ModelloNTC& modello,
                                                          const RichiestaProgetto& richiesta);

    const RichiestaProgetto& Richiesta() const { return richiesta_; }
    std::size_t NumeroRighe() const { return punti_.size(); }

    RigaProgetto Riga(std::size_t indice, double rSerie) const;
    std::vector<RigaProgetto> Bilancio(double rSerie) const;
    FigureResistenza Figure(double rSerie) const;

    // The series' values over the decades the range spans, ranked by the criterion, with
    // the continuous optimum over the same span.
    SceltaResistenza Scegli() const;

private:
    // What a temperature contributes whatever the series resistor.
    struct Punto {
        double temperatura = 0;
        double resistenza = 0;
        double pendenza = 0; // |d ln R / dT|
        double r25 = 0;      // ± K
        double b = 0;
        double serie = 0;
    };
    static std::variant<Punto, ErroreProgetto> PuntoA(const ModelloNTC& modello, double temperatura,
                                                      double r25,
                                                      const TolleranzeProgetto& tolleranze);
    static RigaProgetto Valuta(const Punto& punto, const RichiestaProgetto& richiesta,
                               double rSerie);

    Progetto(const RichiestaProgetto& richiesta, std::vector<Punto> punti, Punto criterio)
        : richiesta_(richiesta), punti_(std::move(punti)), criterio_(criterio) {}
    double Ottimo(double minimo, double massimo) const;

    RichiestaProgetto richiesta_;
    std::vector<Punto> punti_;
    Punto criterio_; // the criterion's temperature, for ATemperatura
};

// The criterion's name on the command line and in files: risoluzione, errore, a-temperatura.
std::string_view NomeCriterio(CriterioProgetto::Tipo tipo);
std::optional<CriterioProgetto::Tipo> CriterioDaNome(std::string_view nome);
inline constexpr std::array TUTTI_I_CRITERI{CriterioProgetto::Tipo::Risoluzione,
                                            CriterioProgetto::Tipo::Errore,
                                            CriterioProgetto::Tipo::ATemperatura};
