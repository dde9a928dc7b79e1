#include "modelli/modello_beta.h"

#include "core/beta.h"

#include <cmath>

std::optional<double> ModelloBeta::Resistenza(double t) const {
    const auto r = ResistenzaBeta(p_.R0, p_.B, p_.T0, t);
    // A resistance of 0 (the exponential underflowing) has no temperature to go back to.
    return r && *r > 0 ? r : std::nullopt;
}

std::optional<double> ModelloBeta::Temperatura(double r) const {
    return TemperaturaBeta(p_.R0, p_.B, p_.T0, r);
}

std::optional<double> ModelloBeta::DerivataLogaritmica(double t) const {
    const double kelvin = t + ZERO_CELSIUS_K;
    if (!(kelvin > 0) || !(p_.R0 > 0) || p_.B == 0) {
        return std::nullopt;
    }
    const double derivata = -p_.B / (kelvin * kelvin);
    return std::isfinite(derivata) ? std::optional(derivata) : std::nullopt;
}
