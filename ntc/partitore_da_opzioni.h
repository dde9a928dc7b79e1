#pragma once

#include "modelli/partitore.h"
#include "ntc/argomenti.h"
#include "ntc/formati.h"

#include <array>
#include <optional>

// The divider: --partitore OHM (the series resistor) [--verso massa|alimentazione]
// [--vref V] [--bit N].
inline constexpr std::array OPZIONI_PARTITORE{
    Opzione{"partitore", 1},
    Opzione{"verso", 1},
    Opzione{"vref", 1},
    Opzione{"bit", 1},
};

inline constexpr double VREF_PREDEFINITA = 3.3;
inline constexpr int BIT_PREDEFINITI = 12;

struct PartitoreADC {
    Partitore partitore;
    int bit = BIT_PREDEFINITI;
};

// The divider the options describe, or none without --partitore; bitPredefiniti when
// --bit is not given. Throws ErroreUso for a bad value.
std::optional<PartitoreADC> PartitoreDaOpzioni(const Argomenti& argomenti, int bitPredefiniti);

// The ADC reading for a resistance: the count rounded to the nearest, within 0 … 2^bit − 1.
std::optional<long> ConteggioIntero(const PartitoreADC& adc, double resistenza);

DescrizionePartitore Descrivi(const PartitoreADC& adc);
