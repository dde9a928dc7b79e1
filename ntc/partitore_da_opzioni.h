#pragma once

#include "calcoli/partitore_adc.h"
#include "ntc/argomenti.h"

#include <array>
#include <optional>
#include <string_view>

// The divider: --partitore OHM (the series resistor) [--verso massa|alimentazione]
// [--vref V] [--bit N].
// --verso's words, in the order of Partitore::Posizione.
inline constexpr std::array<std::string_view, 2> VERSI{"massa", "alimentazione"};

inline constexpr std::array OPZIONI_PARTITORE{
    Opzione{"partitore", 1},
    Opzione{"verso", 1},
    Opzione{"vref", 1},
    Opzione{"bit", 1},
};

// The divider the options describe, or none without --partitore; bitPredefiniti when
// --bit is not given. Throws ErroreUso for a bad value.
std::optional<PartitoreADC> PartitoreDaOpzioni(const Argomenti& argomenti, int bitPredefiniti);
