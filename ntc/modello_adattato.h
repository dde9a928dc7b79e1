#pragma once

#include "modelli/modello_beta.h"
#include "modelli/modello_esteso.h"
#include "modelli/modello_steinhart_hart.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// A fitted model as the command reports it, whichever form was fitted.
struct ModelloAdattato {
    std::variant<ParametriBeta, ParametriSteinhartHart, ParametriEsteso> parametri;
    std::vector<double> residui; // kelvin, per point in the order given
    double residuoMassimo = 0;   // kelvin
    std::vector<std::string> avvisi;
    // Offered in place of a Steinhart–Hart whose C came out ≤ 0.
    std::optional<ParametriBeta> betaEstremi;
};

// The fitted model as "chiave=valore" lines, or as one JSON object: modello, the
// coefficients, residuo_max_K, residui_K, avvisi and, when offered, beta_estremi.
void ScriviModelloAdattato(std::string& uscita, const ModelloAdattato& modello, bool json);
