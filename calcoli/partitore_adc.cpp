#include "calcoli/partitore_adc.h"

#include <algorithm>
#include <cmath>

std::string VerificaPartitore(const PartitoreADC& adc) {
    if (!(adc.partitore.rSerie > 0) || !(adc.partitore.tensioneRif > 0) ||
        !std::isfinite(adc.partitore.rSerie) || !std::isfinite(adc.partitore.tensioneRif)) {
        return "la resistenza in serie e Vref vogliono valori positivi";
    }
    if (adc.bit < 1 || adc.bit > BIT_MASSIMI) {
        return "i bit dell'ADC vanno da 1 a 31";
    }
    return {};
}

std::optional<long> ConteggioIntero(const PartitoreADC& adc, double resistenza) {
    const auto conteggi = ConteggiADC(adc.partitore, adc.bit, resistenza);
    if (!conteggi) {
        return std::nullopt;
    }
    // The exact count reaches 2^bit only for an infinite resistance; a converter's
    // largest reading is 2^bit − 1.
    const long massimo = (1L << adc.bit) - 1;
    return std::clamp(std::lround(*conteggi), 0L, massimo);
}
