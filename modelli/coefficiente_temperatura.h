#pragma once

#include "modelli/modello_ntc.h"

#include <optional>

// α(T) = d ln R / dT in 1/K at a temperature in °C (× 100 for %/K).
std::optional<double> CoefficienteTemperatura(const ModelloNTC& modello, double temperatura);
