#include "curva/lettura_partitore.h"

#include <cmath>

std::optional<LetturaPartitore> LeggiPartitore(const ModelloNTC& modello, const PartitoreADC& adc,
                                               double temperatura) {
    const auto r = modello.Resistenza(temperatura);
    const auto alfa = modello.DerivataLogaritmica(temperatura);
    if (!r || !alfa) {
        return std::nullopt;
    }
    const auto tensione = TensionePartitore(adc.partitore, *r);
    const auto conteggi = ConteggiADC(adc.partitore, adc.bit, *r);
    if (!tensione || !conteggi) {
        return std::nullopt;
    }
    // The count is 2^bit · q(R), with q = R/(R+Rs) or Rs/(R+Rs): either way
    // |dq/dR| = Rs/(R+Rs)², and dR/dT = α·R.
    const double rs = adc.partitore.rSerie;
    const double pendenza =
        std::ldexp(1.0, adc.bit) * rs * *r * std::fabs(*alfa) / ((*r + rs) * (*r + rs));
    if (!(pendenza > 0) || !std::isfinite(pendenza)) {
        return std::nullopt;
    }
    return LetturaPartitore{*tensione, *conteggi, 1 / pendenza};
}
