#pragma once

#include "modelli/esito.h"

#include <string_view>
#include <vector>

// The temperatures of a table from da to a in steps of passo, given as texts with "." as
// the point (a field's text with the region's separators already turned into that form).
// Each temperature is the double nearest its decimal value, exactly as brevanto-ntc
// tabella makes its grid (CalcolaGriglia), so the same typed range gives the same rows.
Esito<std::vector<double>> GrigliaTemperature(std::string_view da, std::string_view a,
                                              std::string_view passo);
