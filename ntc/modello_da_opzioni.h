#pragma once

#include "modelli/modello_ntc.h"
#include "modelli/punto_rt.h"
#include "ntc/argomenti.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// The options that name a model: --r0 OHM --beta K [--t0 C], --sh A B C,
// --esteso A1 B1 C1 D1 --rif OHM, --tabella FILE.csv, --file PARAMETRI.ntc.
inline constexpr std::array OPZIONI_MODELLO{
    Opzione{"r0", 1},     Opzione{"beta", 1}, Opzione{"t0", 1},      Opzione{"sh", 3},
    Opzione{"esteso", 4}, Opzione{"rif", 1},  Opzione{"tabella", 1}, Opzione{"file", 1},
};

// The one model the options name. Throws ErroreUso for none, several or an incomplete
// one, ErroreDati for a table file that cannot be read or holds bad rows, and for a
// parameter file that cannot be read or holds no model.
std::unique_ptr<ModelloNTC> CostruisciModello(const Argomenti& argomenti);

// The option's only value as a number; ErroreUso when it is missing and obbligatoria.
double NumeroOpzione(const Argomenti& argomenti, std::string_view nome, double predefinito);
double NumeroOpzione(const Argomenti& argomenti, std::string_view nome);

// The points of a table file, in file order; ErroreDati for an unreadable file or any bad
// row (each named by its line).
std::vector<PuntoRT> LeggiPuntiTabella(const std::string& percorso);
