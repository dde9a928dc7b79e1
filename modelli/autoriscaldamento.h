#pragma once

#include "modelli/partitore.h"

#include <optional>

struct Dissipazione {
    double potenzaW = 0;          // watt in the thermistor
    double sovratemperaturaK = 0; // its rise above the surroundings, kelvin
};

// The power in the thermistor of a divider at the resistance it has, and the rise it
// causes with a dissipation constant in mW/K.
std::optional<Dissipazione> Autoriscaldamento(const Partitore& partitore, double resistenza,
                                              double costanteMilliwattPerK);
