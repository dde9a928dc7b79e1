#include "modelli/modello_steinhart_hart.h"

#include "modelli/cubica.h"

#include <cmath>

namespace {

// ln R at a temperature: the root of C·y³ + B·y + (A − 1/T) on the rising branch.
std::optional<double> LogResistenza(const ParametriSteinhartHart& p, double t) {
    const double kelvin = t + ZERO_CELSIUS_K;
    if (!(kelvin > 0) || p.B == 0) {
        return std::nullopt;
    }
    const double inverso = 1 / kelvin;
    const auto y = RadiceCubica(p.C, 0, p.B, p.A - inverso, (inverso - p.A) / p.B);
    // Past the turn of a curve with C < 0, 1/T no longer rises with ln R: no NTC there.
    if (!y || !(p.B + 3 * p.C * *y * *y > 0)) {
        return std::nullopt;
    }
    return y;
}

} // namespace

std::optional<double> ModelloSteinhartHart::Resistenza(double t) const {
    const auto y = LogResistenza(p_, t);
    if (!y) {
        return std::nullopt;
    }
    const double r = std::exp(*y);
    return std::isfinite(r) && r > 0 ? std::optional(r) : std::nullopt;
}

std::optional<double> ModelloSteinhartHart::Temperatura(double r) const {
    if (!(r > 0)) {
        return std::nullopt;
    }
    const double y = std::log(r);
    const double inverso = p_.A + p_.B * y + p_.C * (y * y * y);
    if (!(inverso > 0)) {
        return std::nullopt;
    }
    const double t = 1 / inverso - ZERO_CELSIUS_K;
    return std::isfinite(t) ? std::optional(t) : std::nullopt;
}

std::optional<double> ModelloSteinhartHart::DerivataLogaritmica(double t) const {
    const auto y = LogResistenza(p_, t);
    if (!y) {
        return std::nullopt;
    }
    const double kelvin = t + ZERO_CELSIUS_K;
    // d(1/T)/dy = B + 3Cy², d(1/T)/dT = −1/T².
    const double derivata = -1 / (kelvin * kelvin * (p_.B + 3 * p_.C * *y * *y));
    return std::isfinite(derivata) ? std::optional(derivata) : std::nullopt;
}
