#pragma once

#include "modelli/modello_beta.h"

#include <optional>
#include <string>
#include <vector>

// What a fit reports beside its coefficients.
struct Scarti {
    // Per point, in the order given: the model's temperature at the point's resistance
    // minus the point's temperature, in kelvin.
    std::vector<double> perPunto;
    double massimo = 0; // the largest |perPunto|, kelvin
};

template <typename Parametri> struct Adattamento {
    Parametri parametri{};
    Scarti scarti;
    // Italian texts for the user, e.g. a coefficient with the wrong sign.
    std::vector<std::string> avvisi;
    // Offered when the points do not follow the fitted form (a Steinhart–Hart with
    // C ≤ 0): the Beta through the coldest and the hottest point, T0 = 25 °C, which the
    // avvisi also name.
    std::optional<ParametriBeta> betaEstremi;
};
