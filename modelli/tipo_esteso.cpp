#include "modelli/tipo_esteso.h"

#include "modelli/adatta_esteso.h"

std::string DescrittoreModello<ParametriEsteso>::Verifica(const ParametriEsteso& p) {
    return p.Rrif > 0 ? std::string() : "Rrif deve essere positivo";
}

Esito<Adattamento<ParametriEsteso>>
DescrittoreModello<ParametriEsteso>::Adatta(std::span<const PuntoRT> punti,
                                            const DatiAdattamento& dati) {
    return AdattaEsteso(punti, dati.Dato(4), dati.pesi);
}
