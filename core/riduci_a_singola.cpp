#include "core/testi_numerici.h"

#include <cfloat>
#include <cmath>

std::optional<double> RiduciASingola(double valore) {
    // From the midpoint between FLT_MAX and 2^128 upwards, rounding gives infinity; below
    // it, values beyond FLT_MAX round to FLT_MAX. A plain cast there would be undefined.
    constexpr double SOGLIA = 0x1.ffffffp127;
    const double grandezza = std::fabs(valore);
    if (std::isnan(valore) || grandezza >= SOGLIA) {
        return std::nullopt;
    }
    if (grandezza > FLT_MAX) {
        return std::copysign(static_cast<double>(FLT_MAX), valore);
    }
    return static_cast<double>(static_cast<float>(valore));
}
