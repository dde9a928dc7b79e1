#pragma once

#include "modelli/modello_ntc.h"
#include "modelli/parametri_modello.h"
#include "modelli/punto_rt.h"
#include "modelli/tipo_modello.h"
#include "ntc/argomenti.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The options that name a model: those of every kind in the registry (--r0 OHM --beta K
// [--t0 C], --sh A B C, …), --tabella FILE.csv and --file PARAMETRI.ntc.
const std::vector<Opzione>& OpzioniModello();

// How --help writes them: "--r0 OHM --beta K [--t0 C] | --sh A B C | ...".
std::string SinossiModello();

// The one model the options name. Throws ErroreUso for none, several or an incomplete
// one, ErroreDati for parameters that make no model (R0 ≤ 0, …), a table file that
// cannot be read or holds bad rows, and a parameter file that cannot be read or holds no
// model.
std::unique_ptr<ModelloNTC> CostruisciModello(const Argomenti& argomenti);

// The same, with the parameters of a model that has them (not a maker's table), for the
// outputs that write the model as it is.
struct ModelloCostruito {
    std::unique_ptr<ModelloNTC> modello;
    std::optional<ParametriModello> parametri;
};
ModelloCostruito CostruisciModelloEParametri(const Argomenti& argomenti);

// The option's only value as a number; ErroreUso when it is missing and obbligatoria.
double NumeroOpzione(const Argomenti& argomenti, std::string_view nome, double predefinito);
double NumeroOpzione(const Argomenti& argomenti, std::string_view nome);

// The option's only value as a resistance (LeggiOhm); ErroreUso when it is missing.
double OhmOpzione(const Argomenti& argomenti, std::string_view nome);

// One value of a model's option: a resistance in the engineers' forms when the option is
// in ohm, else a plain number.
double ValoreOpzioneModello(std::string_view testo, const OpzioneModello& opzione);

// The points of a table file, in file order; ErroreDati for an unreadable file or any bad
// row (the first ones named by their lines, then how many more).
std::vector<PuntoRT> LeggiPuntiTabella(const std::string& percorso);
