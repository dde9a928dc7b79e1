#pragma once

#include "modelli/esito.h"
#include "modelli/modello_beta.h"
#include "modelli/modello_esteso.h"
#include "modelli/modello_steinhart_hart.h"

#include <filesystem>
#include <memory>
#include <variant>

using ParametriModello = std::variant<ParametriBeta, ParametriSteinhartHart, ParametriEsteso>;

// The model the parameters describe.
std::unique_ptr<ModelloNTC> CreaModello(const ParametriModello& parametri);

// A model in a .ntc parameter file. [NTC] holds R0 (at 25 °C) and B for the calculator
// window whatever the model: a Beta's own, or the R25 and B25/85 of another model.
// [Beta] R0, B, T0, [Steinhart-Hart] A, B, C and [Esteso] A1, B1, C1, D1, Rrif hold the
// model at full precision, and [Modello] Tipo (beta, steinhart-hart, esteso) names the one
// the file stands for. Saved in one turn, keeping every other line of the file; false,
// with the file as it was, when it cannot be saved or the model has no R25 or B25/85.
bool SalvaModello(const std::filesystem::path& file, const ParametriModello& parametri);

// The model the file names; a file without [Modello] is taken for its fullest model
// (Steinhart–Hart, then the extended form, then [NTC]). [Beta] only adds digits to [NTC]:
// once the calculator has saved other values there, [NTC] is the model.
Esito<ParametriModello> CaricaModello(const std::filesystem::path& file);
