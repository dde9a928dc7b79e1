#pragma once

#include "calcoli/scrittura_testi.h"
#include "ntc/argomenti.h"

#include <array>
#include <string_view>

// How a subcommand prints its numbers: --cifre N rounds them to N significant digits for
// reading (the default is the shortest text that reads back to the same double);
// --virgola writes CSV with ";" and a decimal comma for spreadsheets.
inline constexpr Opzione OPZIONE_CIFRE{"cifre", 1};
inline constexpr Opzione OPZIONE_VIRGOLA{"virgola", 0};
inline constexpr std::array OPZIONI_NUMERI{OPZIONE_CIFRE, OPZIONE_VIRGOLA};

// --cifre's N, from 1 to CIFRE_MASSIME; 0 when it is not given. ErroreUso for any other value.
int CifreRichieste(const Argomenti& argomenti);

// --cifre and --virgola together; ErroreUso for a bad --cifre and for --virgola with --json.
FormaNumeri FormaRichiesta(const Argomenti& argomenti);

// No inf or nan is printed: ErroreDati "nessun valore finito per COSA DOVE" otherwise
// (dove: " a T = 25", or empty).
void VerificaFinito(double valore, std::string_view cosa, std::string_view dove = "");
