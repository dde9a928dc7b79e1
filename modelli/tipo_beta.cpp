#include "modelli/tipo_beta.h"

#include "modelli/adatta_beta.h"

std::string DescrittoreModello<ParametriBeta>::Verifica(const ParametriBeta& p) {
    if (!(p.R0 > 0)) {
        return "R0 deve essere positivo";
    }
    // A B ≤ 0 would make a resistance that rises with the temperature, or none at all.
    if (!(p.B > 0)) {
        return "B deve essere positivo";
    }
    return {};
}

Esito<Adattamento<ParametriBeta>>
DescrittoreModello<ParametriBeta>::Adatta(std::span<const PuntoRT> punti,
                                          const DatiAdattamento& dati) {
    const double t0 = dati.Dato(2).value_or(25);
    if (const auto r0 = dati.Dato(0)) {
        return AdattaBetaConR0(punti, dati.pesi, *r0, t0);
    }
    if (punti.size() == 2 && dati.pesi.empty()) {
        return AdattaBeta(punti[0], punti[1], t0);
    }
    return AdattaBetaMinimiQuadrati(punti, dati.pesi, t0);
}
