#pragma once

#include "calcoli/scrittura_testi.h"
#include "modelli/registro_modelli.h"

#include <string>

// ErroreDati naming the first coefficient or residual that is not a finite number: such
// a fit is no result, and inf or nan would not even be JSON.
void VerificaAdattamento(const AdattamentoModello& adattamento);

// A fitted model as "chiave=valore" lines, or as one JSON object: modello, the kind's
// coefficients by their keys, residuo_max_K, residui_K, avvisi and, when offered,
// beta_estremi; numbers in the form asked for (--cifre).
void ScriviAdattamento(std::string& uscita, const AdattamentoModello& adattamento, bool json,
                       FormaNumeri forma);
