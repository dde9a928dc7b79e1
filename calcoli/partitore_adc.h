#pragma once

#include "modelli/partitore.h"

#include <optional>
#include <string>

inline constexpr double VREF_PREDEFINITA = 3.3;
inline constexpr int BIT_PREDEFINITI = 12;
// Past 31 bits the counts no longer fit in a long on every target, and no ADC has as many.
inline constexpr int BIT_MASSIMI = 31;

// A divider read by an ADC of so many bits.
struct PartitoreADC {
    Partitore partitore;
    int bit = BIT_PREDEFINITI;
};

// Why the divider cannot be read (a series resistor or reference that is not positive,
// bits outside 1…31); empty when it can.
std::string VerificaPartitore(const PartitoreADC& adc);

// The ADC reading for a resistance: the count rounded to the nearest, within 0 … 2^bit − 1.
std::optional<long> ConteggioIntero(const PartitoreADC& adc, double resistenza);
