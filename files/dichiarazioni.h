#pragma once

#include "core/parametri_ntc.h"

#include <filesystem>
#include <string>
#include <string_view>

// Reading and writing the .ntc parameter files: section "NTC", keys "R0" and "B".

// The value of the key in the section of the file, at most 254 characters, or the
// default when the file, the section or the key is missing.
std::string LeggiProfilo(const std::filesystem::path& file, std::string_view sezione,
                         std::string_view chiave, std::string_view predefinito);

// Writes the key with the value into the section of the file; nonzero on success.
int ScriviProfilo(const std::filesystem::path& file, std::string_view sezione,
                  std::string_view chiave, std::string_view valore);

// Loads R0 and B from the file. A missing key reads as 0; a value beyond the double range
// leaves that parameter as it was. The caller shows the new summary.
void CaricaParametri(const std::filesystem::path& file, ParametriNTC& parametri);

// Writes R0 and B into the file in one atomic replacement; false when the file could not
// be written, which then holds exactly what it held before.
bool SalvaParametri(const std::filesystem::path& file, const ParametriNTC& parametri);
