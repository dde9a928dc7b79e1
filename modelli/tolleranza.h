#pragma once

#include "modelli/modello_ntc.h"

#include <optional>

struct TolleranzaTemperatura {
    double resistenzaPercento = 0; // ± % of R at the temperature
    double gradi = 0;              // ± °C (kelvin)
};

// Worst case at a temperature (°C) of a part whose R25 is within ±r25Percento and whose B
// is within ±bPercento: the B part grows as |ln(R(T)/R25)|, and the temperature error is
// the resistance error over |α(T)|.
std::optional<TolleranzaTemperatura> Tolleranza(const ModelloNTC& modello, double temperatura,
                                                double r25Percento, double bPercento);
