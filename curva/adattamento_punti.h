#pragma once

#include "modelli/esito.h"
#include "modelli/punto_rt.h"
#include "ntc/modello_adattato.h"

#include <span>

enum class FormaAdattamento { Beta, SteinhartHart, Esteso };

// The fit the command's adatta makes for the form: exact through two (Beta) or three
// (Steinhart–Hart) points, least squares from more; T0 of a Beta is 25 °C.
Esito<ModelloAdattato> AdattaPunti(FormaAdattamento forma, std::span<const PuntoRT> punti);
