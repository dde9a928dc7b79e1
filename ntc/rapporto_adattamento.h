#pragma once

#include "modelli/registro_modelli.h"

#include <string>

// A fitted model as "chiave=valore" lines, or as one JSON object: modello, the kind's
// coefficients by their keys, residuo_max_K, residui_K, avvisi and, when offered,
// beta_estremi.
void ScriviAdattamento(std::string& uscita, const AdattamentoModello& adattamento, bool json);
