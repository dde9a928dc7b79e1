#pragma once

// The kinds of model, one entry each: a kind's parameters, and the header that describes
// it to the registry. Everything that depends on the kind visits this variant, so a kind
// added here and forgotten elsewhere fails to compile.
#include "modelli/tipo_beta.h"
#include "modelli/tipo_esteso.h"
#include "modelli/tipo_esteso_diretto.h"
#include "modelli/tipo_steinhart_hart.h"

#include <variant>

using ParametriModello =
    std::variant<ParametriBeta, ParametriSteinhartHart, ParametriEsteso, ParametriEstesoDiretto>;
