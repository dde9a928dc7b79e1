#include "ntc/partitore_da_opzioni.h"

#include "ntc/modello_da_opzioni.h"

#include <cmath>

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
    if (const std::string motivo = VerificaPartitore(adc); !motivo.empty()) {
        throw ErroreUso(motivo);
    }
    return adc;
}
