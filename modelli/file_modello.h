#pragma once

#include "modelli/esito.h"
#include "modelli/parametri_modello.h"

#include <filesystem>

// A model in a .ntc parameter file. [NTC] holds R0 (at 25 °C) and B for the calculator
// window whatever the model: a Beta's own, or the R25 and B25/85 of another model. The
// kind's own section (registro_modelli.h: [Beta] R0, B, T0, [Steinhart-Hart] A, B, C, …)
// holds the model at full precision, and [Modello] Tipo names the kind the file stands
// for. Saved in one turn, keeping every other line of the file; false, with the file as it
// was, when it cannot be saved or the model has no R25 or B25/85.
bool SalvaModello(const std::filesystem::path& file, const ParametriModello& parametri);

// The model the file names; a file without [Modello] is taken for its fullest model (the
// first kind after the Beta, in the registry's order, whose section is whole, then [NTC]).
// [Beta] only adds digits to [NTC]: once the calculator has saved other values there,
// [NTC] is the model. When there is none, the reason names the section and the values
// ("[Steinhart-Hart] A=abc non è un numero, C manca"); a file that names its kind never
// falls back on another.
Esito<ParametriModello> CaricaModello(const std::filesystem::path& file);
