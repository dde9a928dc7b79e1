#include "modelli/adatta_steinhart_hart.h"

#include "modelli/adatta_beta.h"
#include "modelli/minimi_quadrati.h"
#include "modelli/punti.h"
#include "modelli/testo_breve.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using EsitoSH = Esito<AdattamentoSteinhartHart>;

// Coefficients to a result; with C ≤ 0 a warning and the Beta of the outer points.
EsitoSH Completa(const ParametriSteinhartHart& parametri, std::span<const PuntoRT> punti) {
    if (!std::isfinite(parametri.A) || !std::isfinite(parametri.B) || !std::isfinite(parametri.C)) {
        return EsitoSH::Errore("i punti non determinano i coefficienti");
    }
    AdattamentoSteinhartHart adattamento;
    adattamento.parametri = parametri;
    adattamento.scarti = CalcolaScarti(ModelloSteinhartHart(parametri), punti);
    if (parametri.C <= 0) {
        const auto [freddo, caldo] =
            std::minmax_element(punti.begin(), punti.end(), [](const PuntoRT& a, const PuntoRT& b) {
                return a.temperatura < b.temperatura;
            });
        std::string avviso = "C = " + TestoBreve(parametri.C) +
                             " ≤ 0: i punti non seguono il modello di Steinhart-Hart";
        auto beta = AdattaBeta(*freddo, *caldo);
        if (beta.Riuscito()) {
            avviso += "; in alternativa il modello Beta tra " + TestoBreve(freddo->temperatura) +
                      " e " + TestoBreve(caldo->temperatura) +
                      " °C: B = " + TestoBreve(beta.Valore().parametri.B) + " K";
            adattamento.betaEstremi = beta.Valore().parametri;
        }
        adattamento.avvisi.push_back(std::move(avviso));
    }
    return adattamento;
}

} // namespace

EsitoSH AdattaSteinhartHart3(const PuntoRT& primo, const PuntoRT& secondo, const PuntoRT& terzo) {
    const std::array punti{primo, secondo, terzo};
    if (auto motivo = ControllaPunti(punti, {}, 3); !motivo.empty()) {
        return EsitoSH::Errore(std::move(motivo));
    }
    const double l1 = std::log(primo.resistenza);
    const double l2 = std::log(secondo.resistenza);
    const double l3 = std::log(terzo.resistenza);
    if (l1 == l2 || l1 == l3 || l2 == l3) {
        return EsitoSH::Errore("due punti hanno la stessa resistenza");
    }
    const double y1 = InversoKelvin(primo.temperatura);
    const double g2 = (InversoKelvin(secondo.temperatura) - y1) / (l2 - l1);
    const double g3 = (InversoKelvin(terzo.temperatura) - y1) / (l3 - l1);
    ParametriSteinhartHart p;
    p.C = (g3 - g2) / (l3 - l2) / (l1 + l2 + l3);
    p.B = g2 - p.C * (l1 * l1 + l1 * l2 + l2 * l2);
    p.A = y1 - (p.B + l1 * l1 * p.C) * l1;
    return Completa(p, punti);
}

EsitoSH AdattaSteinhartHartMinimiQuadrati(std::span<const PuntoRT> punti,
                                          std::span<const double> pesi) {
    if (auto motivo = ControllaPunti(punti, pesi, 3); !motivo.empty()) {
        return EsitoSH::Errore(std::move(motivo));
    }
    std::vector<double> uno(punti.size(), 1);
    std::vector<double> y;
    std::vector<double> cubi;
    std::vector<double> inversi;
    for (const PuntoRT& punto : punti) {
        const double l = std::log(punto.resistenza);
        y.push_back(l);
        cubi.push_back(l * l * l);
        inversi.push_back(InversoKelvin(punto.temperatura));
    }
    const auto x =
        MinimiQuadrati({std::move(uno), std::move(y), std::move(cubi)}, std::move(inversi), pesi);
    if (!x) {
        return EsitoSH::Errore("i punti non determinano i coefficienti (meno di tre resistenze "
                               "diverse con peso?)");
    }
    return Completa({(*x)[0], (*x)[1], (*x)[2]}, punti);
}
