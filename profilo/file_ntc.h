#pragma once

#include "core/parametri_ntc.h"

#include <filesystem>

// The .ntc parameter files: section "NTC", keys "R0" and "B", numbers written with
// NumeroInTesto and read with LeggiNumero.

// Loads R0 and B from one reading of the file. A missing key, or a file that is missing or
// cannot be read, reads as 0; a value beyond the double range leaves that parameter as it
// was. The caller shows the new summary.
void CaricaParametri(const std::filesystem::path& file, ParametriNTC& parametri);

// Writes R0 and B into the file in one save; false when the file could not be written,
// which then holds exactly what it held before.
bool SalvaParametri(const std::filesystem::path& file, const ParametriNTC& parametri);
