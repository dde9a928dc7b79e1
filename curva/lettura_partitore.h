#pragma once

#include "calcoli/partitore_adc.h"
#include "modelli/modello_ntc.h"

#include <optional>

// What the divider view plots at a temperature: what the ADC sees, and how finely it
// tells temperatures apart there.
struct LetturaPartitore {
    double tensione = 0;           // volt at the ADC's input
    double conteggi = 0;           // its reading, before rounding
    double kelvinPerConteggio = 0; // how far T moves for one count
};

// Empty where the model gives no resistance, or the reading does not change with T.
std::optional<LetturaPartitore> LeggiPartitore(const ModelloNTC& modello, const PartitoreADC& adc,
                                               double temperatura);
