#include "modelli/adatta_esteso.h"

#include "modelli/minimi_quadrati.h"
#include "modelli/punti.h"

#include <cmath>

Esito<Adattamento<ParametriEsteso>> AdattaEsteso(std::span<const PuntoRT> punti,
                                                 std::optional<double> rRif,
                                                 std::span<const double> pesi) {
    using EsitoEsteso = Esito<Adattamento<ParametriEsteso>>;
    if (auto motivo = ControllaPunti(punti, pesi, 4); !motivo.empty()) {
        return EsitoEsteso::Errore(std::move(motivo));
    }
    const auto trovato = RiferimentoAdattamento(punti, rRif);
    if (!trovato) {
        return EsitoEsteso::Errore("resistenza di riferimento non valida");
    }
    const double riferimento = *trovato;
    std::vector<std::vector<double>> colonne(4);
    std::vector<double> inversi;
    for (const PuntoRT& punto : punti) {
        const double x = std::log(punto.resistenza / riferimento);
        colonne[0].push_back(1);
        colonne[1].push_back(x);
        colonne[2].push_back(x * x);
        colonne[3].push_back(x * x * x);
        inversi.push_back(InversoKelvin(punto.temperatura));
    }
    const auto x = MinimiQuadrati(std::move(colonne), std::move(inversi), pesi);
    if (!x) {
        return EsitoEsteso::Errore("i punti non determinano i coefficienti (meno di quattro "
                                   "resistenze diverse con peso?)");
    }
    Adattamento<ParametriEsteso> adattamento;
    adattamento.parametri = {(*x)[0], (*x)[1], (*x)[2], (*x)[3], riferimento};
    adattamento.scarti = CalcolaScarti(ModelloEsteso(adattamento.parametri), punti);
    return adattamento;
}
