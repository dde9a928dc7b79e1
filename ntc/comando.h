#pragma once

#include "calcoli/scarico.h"

#include <span>
#include <string>
#include <string_view>

inline constexpr int STATO_FATTO = 0;
inline constexpr int STATO_DATI = 1;
inline constexpr int STATO_USO = 2;

// Runs brevanto-ntc on its arguments (without the program's name): data into uscita (and
// through scarico, when given), messages into errori, each line prefixed "brevanto-ntc: ";
// returns the exit status. On a failure uscita is left empty and nothing has gone
// through scarico, so a script never reads half a result.
int EseguiComando(std::span<const std::string_view> argomenti, std::string& uscita,
                  std::string& errori, const Scarico& scarico = {});
