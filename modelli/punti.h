#pragma once

#include "modelli/adattamento.h"
#include "modelli/modello_ntc.h"
#include "modelli/punto_rt.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

// Internal to the fits: what every fit checks and reports about its points.

// Empty when there are at least `minimo` points, each above absolute zero with a positive
// finite resistance, and pesi is empty or one finite non-negative weight per point;
// otherwise the reason, in Italian.
std::string ControllaPunti(std::span<const PuntoRT> punti, std::span<const double> pesi,
                           std::size_t minimo);

// The model's temperature at each point's resistance minus the point's; infinite where
// the model has none.
Scarti CalcolaScarti(const ModelloNTC& modello, std::span<const PuntoRT> punti);

// The Rrif of a four-coefficient fit: the one given, which must be a positive finite
// resistance, or else the resistance of the point nearest 25 °C.
std::optional<double> RiferimentoAdattamento(std::span<const PuntoRT> punti,
                                             std::optional<double> rRif);

// 1/T in 1/K of a temperature in °C.
inline double InversoKelvin(double temperatura) {
    return 1 / (temperatura + ZERO_CELSIUS_K);
}
