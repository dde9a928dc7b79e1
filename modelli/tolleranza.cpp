#include "modelli/tolleranza.h"

#include "core/kelvin.h"

#include <cmath>

std::optional<TolleranzaTemperatura> Tolleranza(const ModelloNTC& modello, double temperatura,
                                                double r25Percento, double bPercento) {
    if (!(r25Percento >= 0) || !(bPercento >= 0)) {
        return std::nullopt;
    }
    const auto r25 = modello.Resistenza(T_R25);
    const auto r = modello.Resistenza(temperatura);
    const auto alfa = modello.DerivataLogaritmica(temperatura);
    if (!r25 || !r || !alfa || *alfa == 0) {
        return std::nullopt;
    }
    // B·(1/T − 1/T25) is ln(R/R25), so a relative error of B scales that logarithm.
    const double relativa = r25Percento / 100 + bPercento / 100 * std::fabs(std::log(*r / *r25));
    const TolleranzaTemperatura tolleranza{relativa * 100, relativa / std::fabs(*alfa)};
    if (!std::isfinite(tolleranza.resistenzaPercento) || !std::isfinite(tolleranza.gradi)) {
        return std::nullopt;
    }
    return tolleranza;
}
