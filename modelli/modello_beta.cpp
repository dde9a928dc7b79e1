#include "modelli/modello_beta.h"

#include <cmath>

// The operations and their order are those of CalcolaOhm and CalcolaTemperatura, so that
// T0 = 25 gives the window's digits.

std::optional<double> ModelloBeta::Resistenza(double t) const {
    if (!(p_.R0 > 0) || p_.B == 0 || t < -ZERO_CELSIUS_K) {
        return std::nullopt;
    }
    const double k0 = 1 / (ZERO_CELSIUS_K + p_.T0);
    const double k = 1 / (ZERO_CELSIUS_K + t);
    const double e = (k - k0) * p_.B;
    const double r = p_.R0 * std::exp(e);
    // A resistance of 0 (the exponential underflowing) has no temperature to go back to.
    if (!std::isfinite(k0) || !std::isfinite(k) || !std::isfinite(r) || !(r > 0)) {
        return std::nullopt;
    }
    return r;
}

std::optional<double> ModelloBeta::Temperatura(double r) const {
    if (!(r > 0 && p_.R0 > 0 && p_.B != 0)) {
        return std::nullopt;
    }
    const double q = std::log(r / p_.R0) / p_.B;
    const double k0 = 1 / (ZERO_CELSIUS_K + p_.T0);
    const double k = q + k0;
    const double t = 1 / k - ZERO_CELSIUS_K;
    if (!std::isfinite(q) || !std::isfinite(k) || !std::isfinite(t) || t < -ZERO_CELSIUS_K) {
        return std::nullopt;
    }
    return t;
}

std::optional<double> ModelloBeta::DerivataLogaritmica(double t) const {
    const double kelvin = t + ZERO_CELSIUS_K;
    if (!(kelvin > 0) || !(p_.R0 > 0) || p_.B == 0) {
        return std::nullopt;
    }
    const double derivata = -p_.B / (kelvin * kelvin);
    return std::isfinite(derivata) ? std::optional(derivata) : std::nullopt;
}
