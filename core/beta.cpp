#include "core/beta.h"

#include "core/kelvin.h"

#include <cmath>

// The operations and their order are fixed: every caller must round alike, step by step.

std::optional<double> ResistenzaBeta(double r0, double b, double t0, double t) {
    // Below absolute zero the formula still gives a tiny positive number: not a result.
    if (!(r0 > 0) || b == 0 || t < -ZERO_CELSIUS_K) {
        return std::nullopt;
    }
    const double k0 = 1 / (ZERO_CELSIUS_K + t0);
    const double k = 1 / (ZERO_CELSIUS_K + t);
    const double e = (k - k0) * b;
    const double r = r0 * std::exp(e);
    if (!std::isfinite(k0) || !std::isfinite(k) || !std::isfinite(e) || !std::isfinite(r)) {
        return std::nullopt;
    }
    return r;
}

std::optional<double> TemperaturaBeta(double r0, double b, double t0, double r) {
    if (!(r > 0 && r0 > 0 && b != 0)) {
        return std::nullopt;
    }
    const double q = std::log(r / r0) / b;
    const double k0 = 1 / (ZERO_CELSIUS_K + t0);
    const double k = q + k0;
    const double t = 1 / k - ZERO_CELSIUS_K;
    // Beyond the pole of the formula the result would lie below absolute zero.
    if (!std::isfinite(q) || !std::isfinite(k0) || !std::isfinite(k) || !std::isfinite(t) ||
        t < -ZERO_CELSIUS_K) {
        return std::nullopt;
    }
    return t;
}
