#pragma once

#include "modelli/modello_ntc.h"

#include <optional>

// The B between two temperatures in °C (B25/50, B25/85, …) of any model:
// ln(R1/R2) / (1/T1 − 1/T2). Empty for equal temperatures or where the model has no R.
std::optional<double> BetaTra(const ModelloNTC& modello, double t1, double t2);
