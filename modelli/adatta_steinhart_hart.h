#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_steinhart_hart.h"
#include "modelli/punto_rt.h"

#include <span>

// With C ≤ 0 (R(T) may then have no solution) the fit offers the Beta of the outer points.
using AdattamentoSteinhartHart = Adattamento<ParametriSteinhartHart>;

// Through three points exactly, in closed form.
Esito<AdattamentoSteinhartHart> AdattaSteinhartHart3(const PuntoRT& primo, const PuntoRT& secondo,
                                                     const PuntoRT& terzo);

// Least squares in 1/T from three or more points; pesi is empty (all 1) or one
// non-negative weight per point.
Esito<AdattamentoSteinhartHart>
AdattaSteinhartHartMinimiQuadrati(std::span<const PuntoRT> punti,
                                  std::span<const double> pesi = {});
