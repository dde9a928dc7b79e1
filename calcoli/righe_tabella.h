#pragma once

#include "calcoli/griglia.h"
#include "calcoli/partitore_adc.h"
#include "modelli/esito.h"
#include "modelli/modello_ntc.h"

#include <optional>
#include <vector>

// One row of an R–T table: °C, ohm, α = d ln R/dT in 1/K, and the ADC count when a
// divider is given.
struct RigaTabella {
    double temperatura = 0;
    double resistenza = 0;
    double alfa = 0;
    std::optional<long> conteggio;
    // The count before rounding, for the formats that keep its fraction.
    double conteggioEsatto = 0;
};

// The row at a temperature; the error says what the model or the divider does not give.
Esito<RigaTabella> CalcolaRiga(const ModelloNTC& modello, double temperatura,
                               const std::optional<PartitoreADC>& adc);

// Every row of the grid; the error is the first row's that fails.
Esito<std::vector<RigaTabella>> CalcolaRighe(const ModelloNTC& modello, const Griglia& griglia,
                                             const std::optional<PartitoreADC>& adc);
