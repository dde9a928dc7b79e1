#include "ntc/partitore_da_opzioni.h"

#include "ntc/modello_da_opzioni.h"

#include <algorithm>
#include <cmath>

namespace {

// Past 31 bits the counts no longer fit in a long on every target, and no ADC has as many.
constexpr int BIT_MASSIMI = 31;

} // namespace

std::optional<PartitoreADC> PartitoreDaOpzioni(const Argomenti& argomenti, int bitPredefiniti) {
    if (!argomenti.Ha("partitore")) {
        if (argomenti.Ha("verso") || argomenti.Ha("vref") || argomenti.Ha("bit")) {
            throw ErroreUso("--verso, --vref e --bit vanno con --partitore OHM");
        }
        return std::nullopt;
    }
    PartitoreADC adc;
    adc.partitore.rSerie = NumeroOpzione(argomenti, "partitore");
    adc.partitore.tensioneRif = NumeroOpzione(argomenti, "vref", VREF_PREDEFINITA);
    if (adc.partitore.rSerie <= 0 || adc.partitore.tensioneRif <= 0) {
        throw ErroreUso("--partitore e --vref vogliono valori positivi");
    }
    const double bit = NumeroOpzione(argomenti, "bit", bitPredefiniti);
    if (bit != std::trunc(bit) || bit < 1 || bit > BIT_MASSIMI) {
        throw ErroreUso("--bit vuole un intero da 1 a 31");
    }
    adc.bit = static_cast<int>(bit);
    const auto& verso = argomenti.Valori("verso");
    if (verso.empty() || verso.front() == "massa") {
        adc.partitore.posizione = Partitore::Posizione::VersoMassa;
    } else if (verso.front() == "alimentazione") {
        adc.partitore.posizione = Partitore::Posizione::VersoAlimentazione;
    } else {
        throw ErroreUso("--verso vuole massa o alimentazione");
    }
    return adc;
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

DescrizionePartitore Descrivi(const PartitoreADC& adc) {
    return {adc.partitore.rSerie, adc.partitore.posizione == Partitore::Posizione::VersoMassa,
            adc.partitore.tensioneRif, adc.bit};
}
