#include "modelli/adatta_esteso_diretto.h"

#include "modelli/minimi_quadrati.h"
#include "modelli/punti.h"

#include <cmath>

Esito<Adattamento<ParametriEstesoDiretto>> AdattaEstesoDiretto(std::span<const PuntoRT> punti,
                                                               std::optional<double> rRif,
                                                               std::span<const double> pesi) {
    using EsitoDiretto = Esito<Adattamento<ParametriEstesoDiretto>>;
    if (auto motivo = ControllaPunti(punti, pesi, 4); !motivo.empty()) {
        return EsitoDiretto::Errore(std::move(motivo));
    }
    const auto riferimento = RiferimentoAdattamento(punti, rRif);
    if (!riferimento) {
        return EsitoDiretto::Errore("resistenza di riferimento non valida");
    }
    std::vector<std::vector<double>> colonne(4);
    std::vector<double> logaritmi;
    for (const PuntoRT& punto : punti) {
        const double u = InversoKelvin(punto.temperatura);
        colonne[0].push_back(1);
        colonne[1].push_back(u);
        colonne[2].push_back(u * u);
        colonne[3].push_back(u * u * u);
        logaritmi.push_back(std::log(punto.resistenza / *riferimento));
    }
    const auto x = MinimiQuadrati(std::move(colonne), std::move(logaritmi), pesi);
    if (!x) {
        return EsitoDiretto::Errore("i punti non determinano i coefficienti (meno di quattro "
                                    "temperature diverse con peso?)");
    }
    Adattamento<ParametriEstesoDiretto> adattamento;
    adattamento.parametri = {(*x)[0], (*x)[1], (*x)[2], (*x)[3], *riferimento};
    adattamento.scarti = CalcolaScarti(ModelloEstesoDiretto(adattamento.parametri), punti);
    return adattamento;
}
