#include "modelli/beta_tra.h"

#include <cmath>

std::optional<double> BetaTra(const ModelloNTC& modello, double t1, double t2) {
    const auto r1 = modello.Resistenza(t1);
    const auto r2 = modello.Resistenza(t2);
    if (!r1 || !r2 || t1 == t2) {
        return std::nullopt;
    }
    const double b = std::log(*r1 / *r2) / (1 / (t1 + ZERO_CELSIUS_K) - 1 / (t2 + ZERO_CELSIUS_K));
    return std::isfinite(b) ? std::optional(b) : std::nullopt;
}
