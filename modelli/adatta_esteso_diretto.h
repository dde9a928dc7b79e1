#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_esteso_diretto.h"
#include "modelli/punto_rt.h"

#include <optional>
#include <span>

// A…D of the forward form by least squares in ln(R/Rrif), which is linear in them, from four
// or more points. rRif is the Rrif of the result; without it, the resistance of the point
// nearest 25 °C. pesi is empty (all 1) or one non-negative weight per point.
Esito<Adattamento<ParametriEstesoDiretto>> AdattaEstesoDiretto(std::span<const PuntoRT> punti,
                                                               std::optional<double> rRif = {},
                                                               std::span<const double> pesi = {});
