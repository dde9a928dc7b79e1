#include "modelli/tipo_steinhart_hart.h"

#include "modelli/adatta_steinhart_hart.h"

std::string DescrittoreModello<ParametriSteinhartHart>::Verifica(const ParametriSteinhartHart&) {
    // Any finite coefficients make a model; where it has no R(T) it says so per value.
    return {};
}

Esito<Adattamento<ParametriSteinhartHart>>
DescrittoreModello<ParametriSteinhartHart>::Adatta(std::span<const PuntoRT> punti,
                                                   const DatiAdattamento& dati) {
    if (punti.size() == 3 && dati.pesi.empty()) {
        return AdattaSteinhartHart3(punti[0], punti[1], punti[2]);
    }
    return AdattaSteinhartHartMinimiQuadrati(punti, dati.pesi);
}
