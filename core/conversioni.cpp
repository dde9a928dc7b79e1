#include "core/conversioni.h"

#include "core/beta.h"
#include "core/kelvin.h"

#include <cmath>

namespace {

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

} // namespace

double CalcolaOhm(const ParametriNTC& p, double t) {
    return ResistenzaBeta(p.R0, p.B, T_R25, t).value_or(SentinellaPer(p));
}

double CalcolaTemperatura(const ParametriNTC& p, double r) {
    return TemperaturaBeta(p.R0, p.B, T_R25, r).value_or(SentinellaPer(p));
}

double ConvertiTemperatura(double t, std::string_view unita) {
    if (t < -ZERO_CELSIUS_K) {
        return ERRORE_CALCOLO;
    }
    double risultato = 0;
    if (unita == "F") {
        risultato = (9.0 / 5.0) * t + 32;
    } else if (unita == "K") {
        risultato = t + ZERO_CELSIUS_K;
    }
    return std::isfinite(risultato) ? risultato : ERRORE_CALCOLO;
}
