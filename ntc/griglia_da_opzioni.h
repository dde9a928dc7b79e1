#pragma once

#include "calcoli/griglia.h"
#include "ntc/argomenti.h"

#include <optional>

// The temperatures --da T --a T [--passo dT] ask for. Without --passo the step is
// passoPredefinito, and without that --passo is required. Throws ErroreUso for a bad value
// or a grid that cannot be made, with the grid's own message.
Griglia GrigliaDaOpzioni(const Argomenti& argomenti,
                         std::optional<NumeroScritto> passoPredefinito = std::nullopt);
