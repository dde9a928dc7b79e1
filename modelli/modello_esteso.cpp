#include "modelli/modello_esteso.h"

#include "modelli/cubica.h"

#include <cmath>

namespace {

double Pendenza(const ParametriEsteso& p, double x) {
    return p.B1 + x * (2 * p.C1 + x * 3 * p.D1);
}

// ln(R/Rrif) at a temperature: the root of the cubic on the branch where 1/T rises with it.
std::optional<double> LogRapporto(const ParametriEsteso& p, double t) {
    const double kelvin = t + ZERO_CELSIUS_K;
    if (!(kelvin > 0) || !(p.Rrif > 0) || p.B1 == 0) {
        return std::nullopt;
    }
    const double inverso = 1 / kelvin;
    const auto x = RadiceCubica(p.D1, p.C1, p.B1, p.A1 - inverso, (inverso - p.A1) / p.B1);
    if (!x || !(Pendenza(p, *x) > 0)) {
        return std::nullopt;
    }
    return x;
}

} // namespace

std::optional<double> ModelloEsteso::Resistenza(double t) const {
    const auto x = LogRapporto(p_, t);
    if (!x) {
        return std::nullopt;
    }
    const double r = p_.Rrif * std::exp(*x);
    return std::isfinite(r) && r > 0 ? std::optional(r) : std::nullopt;
}

std::optional<double> ModelloEsteso::Temperatura(double r) const {
    if (!(r > 0) || !(p_.Rrif > 0)) {
        return std::nullopt;
    }
    const double x = std::log(r / p_.Rrif);
    const double inverso = p_.A1 + x * (p_.B1 + x * (p_.C1 + x * p_.D1));
    if (!(inverso > 0)) {
        return std::nullopt;
    }
    const double t = 1 / inverso - ZERO_CELSIUS_K;
    return std::isfinite(t) ? std::optional(t) : std::nullopt;
}

std::optional<double> ModelloEsteso::DerivataLogaritmica(double t) const {
    const auto x = LogRapporto(p_, t);
    if (!x) {
        return std::nullopt;
    }
    const double kelvin = t + ZERO_CELSIUS_K;
    const double derivata = -1 / (kelvin * kelvin * Pendenza(p_, *x));
    return std::isfinite(derivata) ? std::optional(derivata) : std::nullopt;
}
