#include "ntc/partitore_da_opzioni.h"

#include "ntc/modello_da_opzioni.h"

#include <algorithm>
#include <cmath>

std::optional<PartitoreADC> PartitoreDaOpzioni(const Argomenti& argomenti, int bitPredefiniti) {
    if (!argomenti.Ha("partitore")) {
        if (argomenti.Ha("verso") || argomenti.Ha("vref") || argomenti.Ha("bit")) {
            throw ErroreUso("--verso, --vref e --bit vanno con --partitore OHM");
        }
        return std::nullopt;
    }
    PartitoreADC adc;
    adc.partitore.rSerie = OhmOpzione(argomenti, "partitore");
    adc.partitore.tensioneRif = NumeroOpzione(argomenti, "vref", VREF_PREDEFINITA);
    const double bit = NumeroOpzione(argomenti, "bit", bitPredefiniti);
    if (bit != std::trunc(bit) || bit < 1 || bit > BIT_MASSIMI) {
        throw ErroreUso("--bit vuole un intero da 1 a 31");
    }
    adc.bit = static_cast<int>(bit);
    const auto& verso = argomenti.Valori("verso");
    const auto scelto =
        verso.empty() ? VERSI.begin() : std::find(VERSI.begin(), VERSI.end(), verso.front());
    if (scelto == VERSI.end()) {
        throw ErroreUso("--verso vuole " + std::string(VERSI[0]) + " o " + std::string(VERSI[1]));
    }
    adc.partitore.posizione = static_cast<Partitore::Posizione>(scelto - VERSI.begin());
    if (const std::string motivo = VerificaPartitore(adc); !motivo.empty()) {
        throw ErroreUso(motivo);
    }
    return adc;
}
