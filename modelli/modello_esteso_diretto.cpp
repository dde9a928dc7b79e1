#include "modelli/modello_esteso_diretto.h"

#include "modelli/cubica.h"

#include <cmath>

namespace {

// d ln R / d(1/T).
double Pendenza(const ParametriEstesoDiretto& p, double u) {
    return p.B + u * (2 * p.C + u * 3 * p.D);
}

} // namespace

std::optional<double> ModelloEstesoDiretto::Resistenza(double t) const {
    const double kelvin = t + ZERO_CELSIUS_K;
    if (!(kelvin > 0) || !(p_.Rrif > 0)) {
        return std::nullopt;
    }
    const double u = 1 / kelvin;
    const double r = p_.Rrif * std::exp(p_.A + u * (p_.B + u * (p_.C + u * p_.D)));
    return std::isfinite(r) && r > 0 ? std::optional(r) : std::nullopt;
}

std::optional<double> ModelloEstesoDiretto::Temperatura(double r) const {
    if (!(r > 0) || !(p_.Rrif > 0) || p_.B == 0) {
        return std::nullopt;
    }
    const double x = std::log(r / p_.Rrif);
    // 1/T on the branch where ln R rises with it.
    const auto u = RadiceCubica(p_.D, p_.C, p_.B, p_.A - x, (x - p_.A) / p_.B);
    if (!u || !(*u > 0) || !(Pendenza(p_, *u) > 0)) {
        return std::nullopt;
    }
    const double t = 1 / *u - ZERO_CELSIUS_K;
    return std::isfinite(t) ? std::optional(t) : std::nullopt;
}

std::optional<double> ModelloEstesoDiretto::DerivataLogaritmica(double t) const {
    const double kelvin = t + ZERO_CELSIUS_K;
    if (!(kelvin > 0) || !(p_.Rrif > 0)) {
        return std::nullopt;
    }
    const double u = 1 / kelvin;
    // d(1/T)/dT = −1/T² = −u².
    const double derivata = -Pendenza(p_, u) * u * u;
    return std::isfinite(derivata) ? std::optional(derivata) : std::nullopt;
}
