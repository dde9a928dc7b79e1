#include "core/conversioni.h"

#include <cmath>

namespace {

constexpr double ZERO_ASSOLUTO = -273.15;

// Which sentinel a failed computation reports depends only on the parameters.
double SentinellaPer(const ParametriNTC& p) {
    if (!(p.R0 > 0)) {
        return ERRORE_R0;
    }
    if (!(p.B > 0)) {
        return ERRORE_B;
    }
    return ERRORE_CALCOLO;
}

bool Fallito(double passo) {
    return !std::isfinite(passo);
}

} // namespace

double CalcolaOhm(const ParametriNTC& p, double t) {
    // Without R0 or B the formula would report a made-up resistance.
    if (!(p.R0 > 0) || p.B == 0) {
        return SentinellaPer(p);
    }
    // Below absolute zero the formula still gives a tiny positive number: not a result.
    if (t < ZERO_ASSOLUTO) {
        return SentinellaPer(p);
    }
    const double k0 = 1 / (273.15 + 25);
    const double k = 1 / (273.15 + t);
    const double e = (k - k0) * p.B;
    const double r = p.R0 * std::exp(e);
    if (Fallito(k) || Fallito(e) || Fallito(r)) {
        return SentinellaPer(p);
    }
    return r;
}

double CalcolaTemperatura(const ParametriNTC& p, double r) {
    if (!(r > 0 && p.R0 > 0 && p.B != 0)) {
        return SentinellaPer(p);
    }
    const double q = std::log(r / p.R0) / p.B;
    const double k0 = 1 / (273.15 + 25);
    const double k = q + k0;
    const double t = 1 / k - 273.15;
    // Beyond the pole of the formula the result would lie below absolute zero.
    if (Fallito(q) || Fallito(k) || Fallito(t) || t < ZERO_ASSOLUTO) {
        return SentinellaPer(p);
    }
    return t;
}

double ConvertiTemperatura(double t, std::string_view unita) {
    if (t < ZERO_ASSOLUTO) {
        return ERRORE_CALCOLO;
    }
    double risultato = 0;
    if (unita == "F") {
        risultato = (9.0 / 5.0) * t + 32;
    } else if (unita == "K") {
        risultato = t + 273.15;
    }
    return Fallito(risultato) ? ERRORE_CALCOLO : risultato;
}
