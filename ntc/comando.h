#pragma once

#include <span>
#include <string>
#include <string_view>

inline constexpr int STATO_FATTO = 0;
inline constexpr int STATO_DATI = 1;
inline constexpr int STATO_USO = 2;

// Runs brevanto-ntc on its arguments (without the program's name): data into uscita,
// messages into errori, each line prefixed "brevanto-ntc: "; returns the exit status.
// On a failure uscita is left empty, so a script never reads half a result.
int EseguiComando(std::span<const std::string_view> argomenti, std::string& uscita,
                  std::string& errori);
