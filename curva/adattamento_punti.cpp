#include "curva/adattamento_punti.h"

#include "modelli/adatta_beta.h"
#include "modelli/adatta_esteso.h"
#include "modelli/adatta_steinhart_hart.h"

namespace {

ModelloAdattato Riporta(const auto& adattamento) {
    return {adattamento.parametri, adattamento.scarti.perPunto, adattamento.scarti.massimo,
            adattamento.avvisi, std::nullopt};
}

template <typename T> Esito<ModelloAdattato> DaEsito(const Esito<T>& esito) {
    if (!esito.Riuscito()) {
        return Esito<ModelloAdattato>::Errore(esito.Motivo());
    }
    return Riporta(esito.Valore());
}

Esito<ModelloAdattato> DaEsito(const Esito<AdattamentoSteinhartHart>& esito) {
    if (!esito.Riuscito()) {
        return Esito<ModelloAdattato>::Errore(esito.Motivo());
    }
    ModelloAdattato modello = Riporta(esito.Valore());
    if (esito.Valore().betaEstremi) {
        modello.betaEstremi = esito.Valore().betaEstremi->parametri;
    }
    return modello;
}

} // namespace

Esito<ModelloAdattato> AdattaPunti(FormaAdattamento forma, std::span<const PuntoRT> punti) {
    switch (forma) {
    case FormaAdattamento::Beta:
        return punti.size() == 2 ? DaEsito(AdattaBeta(punti[0], punti[1]))
                                 : DaEsito(AdattaBetaMinimiQuadrati(punti));
    case FormaAdattamento::SteinhartHart:
        return punti.size() == 3 ? DaEsito(AdattaSteinhartHart3(punti[0], punti[1], punti[2]))
                                 : DaEsito(AdattaSteinhartHartMinimiQuadrati(punti));
    case FormaAdattamento::Esteso:
        break;
    }
    return DaEsito(AdattaEsteso(punti));
}
