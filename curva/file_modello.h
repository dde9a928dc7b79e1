#pragma once

#include "modelli/esito.h"
#include "modelli/modello_beta.h"
#include "modelli/modello_esteso.h"
#include "modelli/modello_steinhart_hart.h"

#include <filesystem>
#include <variant>

using ParametriModello = std::variant<ParametriBeta, ParametriSteinhartHart, ParametriEsteso>;

// A model in a .ntc parameter file. [NTC] holds R0 (at 25 °C) and B for the calculator
// window whatever the model: a Beta's own, or the R25 and B25/85 of another model.
// [Steinhart-Hart] A, B, C and [Esteso] A1, B1, C1, D1, Rrif hold those models at full
// precision, and [Curva] Modello names the one the file stands for. Saved in one turn,
// keeping every other line of the file.
bool SalvaModello(const std::filesystem::path& file, const ParametriModello& parametri);

// The model the file names; a file without [Curva] is taken for its fullest model
// (Steinhart–Hart, then the extended form, then [NTC]).
Esito<ParametriModello> CaricaModello(const std::filesystem::path& file);
