#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_beta.h"
#include "modelli/modello_steinhart_hart.h"
#include "modelli/punto_rt.h"

#include <optional>
#include <span>

struct AdattamentoSteinhartHart : Adattamento<ParametriSteinhartHart> {
    // Set when the fitted C ≤ 0 (the points do not follow the model, and R(T) may have no
    // solution): the Beta through the coldest and the hottest point (T0 = 25 °C), which
    // the avvisi also name.
    std::optional<Adattamento<ParametriBeta>> betaEstremi;
};

// Through three points exactly, in closed form.
Esito<AdattamentoSteinhartHart> AdattaSteinhartHart3(const PuntoRT& primo, const PuntoRT& secondo,
                                                     const PuntoRT& terzo);

// Least squares in 1/T from three or more points; pesi is empty (all 1) or one
// non-negative weight per point.
Esito<AdattamentoSteinhartHart>
AdattaSteinhartHartMinimiQuadrati(std::span<const PuntoRT> punti,
                                  std::span<const double> pesi = {});
