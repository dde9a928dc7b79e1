#include "curva/righe_tabella.h"

#include "ntc/versione.h"

#include <stdexcept>

Esito<std::vector<RigaTabella>> CalcolaRighe(const ModelloNTC& modello,
                                             std::span<const double> temperature,
                                             const std::optional<PartitoreADC>& adc) {
    std::vector<RigaTabella> righe;
    righe.reserve(temperature.size());
    for (const double t : temperature) {
        const auto r = modello.Resistenza(t);
        const auto alfa = modello.DerivataLogaritmica(t);
        const auto conteggio = adc && r ? ConteggioIntero(*adc, *r) : std::nullopt;
        if (!r || !alfa || (adc && !conteggio)) {
            std::string motivo = "nessuna resistenza a T = ";
            AggiungiNumero(motivo, t);
            return Esito<std::vector<RigaTabella>>::Errore(motivo + " °C con questo modello");
        }
        righe.push_back({t, *r, *alfa, conteggio});
    }
    return righe;
}

Esito<std::string> TestoTabella(FormatoTabella formato, std::span<const RigaTabella> righe,
                                const std::optional<PartitoreADC>& adc) {
    std::string testo;
    try {
        ScriviTabella(testo, formato, righe, adc ? std::optional(Descrivi(*adc)) : std::nullopt,
                      VERSIONE_NTC);
    } catch (const std::invalid_argument& errore) {
        return Esito<std::string>::Errore(errore.what());
    }
    return testo;
}
