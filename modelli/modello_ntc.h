#pragma once

#include "core/kelvin.h"

#include <optional>

// Models take and give °C and compute in kelvin.
// A thermistor's resistance–temperature relation. Evaluation never allocates and never
// throws: an empty result means there is none (outside a table, below absolute zero,
// a resistance that is not positive, an overflow).
class ModelloNTC {
public:
    virtual ~ModelloNTC() = default;

    // Resistance in ohm at a temperature in °C.
    virtual std::optional<double> Resistenza(double temperatura) const = 0;
    // Temperature in °C at a resistance in ohm.
    virtual std::optional<double> Temperatura(double resistenza) const = 0;
    // d ln R / dT in 1/K at a temperature in °C (negative for an NTC).
    virtual std::optional<double> DerivataLogaritmica(double temperatura) const = 0;

protected:
    ModelloNTC() = default;
    ModelloNTC(const ModelloNTC&) = default;
    ModelloNTC& operator=(const ModelloNTC&) = default;
};
