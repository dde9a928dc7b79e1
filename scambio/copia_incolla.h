#pragma once

#include "core/regione.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What Copy puts on the clipboard: CR LF and the line for each selected history line, in
// list order; the register text unchanged when no line is selected. selezionate[i] tells
// whether righe[i] is selected; a missing flag counts as not selected.
std::string TestoDaCopiare(const std::vector<std::string>& righe,
                           const std::vector<bool>& selezionate, const std::string& registro);

// What Paste writes into the register for the clipboard text: the number by FormattaNumero
// with "." as the point and no final ".0"; empty when the text, without the blanks, tabs,
// line ends and no-break spaces around it, is not one number.
std::optional<std::string> TestoDaIncollare(std::string_view appunti, const Regione& regione);
