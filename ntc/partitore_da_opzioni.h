#pragma once

#include "calcoli/partitore_adc.h"
#include "ntc/argomenti.h"

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

// The divider the options describe, or none without --partitore; bitPredefiniti when
// --bit is not given. Throws ErroreUso for a bad value.
std::optional<PartitoreADC> PartitoreDaOpzioni(const Argomenti& argomenti, int bitPredefiniti);
