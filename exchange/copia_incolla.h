#pragma once

#include "core/regione.h"
#include "exchange/appunti.h"

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

// The Copy command: empties the clipboard, then stores the text of TestoDaCopiare.
void CopiaNegliAppunti(Appunti& appunti, const std::vector<std::string>& righe,
                       const std::vector<bool>& selezionate, const std::string& registro);

// The Paste command: the new register text, or empty when the register stays as it is.
std::optional<std::string> IncollaDagliAppunti(Appunti& appunti, const Regione& regione);
