#include "modelli/tipo_beta.h"

#include "modelli/adatta_beta.h"

std::string DescrittoreModello<ParametriBeta>::Verifica(const ParametriBeta& p) {
    return p.R0 > 0 ? std::string() : "R0 deve essere positivo";
}

Esito<Adattamento<ParametriBeta>>
DescrittoreModello<ParametriBeta>::Adatta(std::span<const PuntoRT> punti,
                                          const DatiAdattamento& dati) {
    const double t0 = dati.Dato(2).value_or(25);
    if (punti.size() == 2 && dati.pesi.empty()) {
        return AdattaBeta(punti[0], punti[1], t0);
    }
    return AdattaBetaMinimiQuadrati(punti, dati.pesi, t0);
}
