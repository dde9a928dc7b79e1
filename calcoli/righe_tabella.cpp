#include "calcoli/righe_tabella.h"

#include "calcoli/scrittura_testi.h"
#include "modelli/modello_tabella.h"

Esito<RigaTabella> CalcolaRiga(const ModelloNTC& modello, double t,
                               const std::optional<PartitoreADC>& adc) {
    const auto r = modello.Resistenza(t);
    const auto alfa = modello.DerivataLogaritmica(t);
    if (!r || !alfa) {
        std::string testo = "nessuna resistenza a T = ";
        AggiungiNumero(testo, t);
        testo += " °C con questo modello";
        if (const std::string campo = TestoCampo(modello); !campo.empty()) {
            testo += ": " + campo;
        }
        return Esito<RigaTabella>::Errore(testo);
    }
    const auto conteggio = adc ? ConteggioIntero(*adc, *r) : std::nullopt;
    const auto esatto = adc ? ConteggiADC(adc->partitore, adc->bit, *r) : std::nullopt;
    if (adc && (!conteggio || !esatto)) {
        std::string testo = "nessuna lettura del partitore per R = ";
        AggiungiNumero(testo, *r);
        return Esito<RigaTabella>::Errore(testo);
    }
    return RigaTabella{t, *r, *alfa, conteggio, esatto.value_or(0)};
}

Esito<std::vector<RigaTabella>> CalcolaRighe(const ModelloNTC& modello, const Griglia& griglia,
                                             const std::optional<PartitoreADC>& adc) {
    std::vector<RigaTabella> righe;
    righe.reserve(static_cast<size_t>(griglia.righe));
    for (long i = 0; i < griglia.righe; ++i) {
        auto riga = CalcolaRiga(modello, griglia.Temperatura(i), adc);
        if (!riga.Riuscito()) {
            return Esito<std::vector<RigaTabella>>::Errore(riga.Motivo());
        }
        righe.push_back(riga.Valore());
    }
    return righe;
}
