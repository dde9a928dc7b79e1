#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_beta.h"
#include "modelli/punto_rt.h"

#include <span>

// B from two points, exactly; R0 is the resistance the fit gives at t0 (°C).
Esito<Adattamento<ParametriBeta>> AdattaBeta(const PuntoRT& primo, const PuntoRT& secondo,
                                             double t0 = 25);

// B and R0 by least squares in 1/T from two or more points; pesi is empty (all 1) or
// one non-negative weight per point.
Esito<Adattamento<ParametriBeta>> AdattaBetaMinimiQuadrati(std::span<const PuntoRT> punti,
                                                           std::span<const double> pesi = {},
                                                           double t0 = 25);

// B alone, with R0 (the resistance at t0 °C) given: the weighted least squares of
// ln(R/R0) = B · (1/T − 1/T0), a line through the origin. One point away from t0 is
// enough; points at t0 add nothing. pesi as above.
Esito<Adattamento<ParametriBeta>> AdattaBetaConR0(std::span<const PuntoRT> punti,
                                                  std::span<const double> pesi, double r0,
                                                  double t0 = 25);
