#include "modelli/tipo_esteso_diretto.h"

#include "modelli/adatta_esteso_diretto.h"

std::string DescrittoreModello<ParametriEstesoDiretto>::Verifica(const ParametriEstesoDiretto& p) {
    return p.Rrif > 0 ? std::string() : "Rrif deve essere positivo";
}

Esito<Adattamento<ParametriEstesoDiretto>>
DescrittoreModello<ParametriEstesoDiretto>::Adatta(std::span<const PuntoRT> punti,
                                                   const DatiAdattamento& dati) {
    return AdattaEstesoDiretto(punti, dati.Dato(4), dati.pesi);
}
