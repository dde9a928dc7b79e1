#include "modelli/adatta_beta.h"

#include "modelli/minimi_quadrati.h"
#include "modelli/punti.h"

#include <array>
#include <cmath>

namespace {

using EsitoBeta = Esito<Adattamento<ParametriBeta>>;

// From 1/T = a + b·ln R: B = 1/b, and R0 where the line meets 1/T0.
EsitoBeta DaRetta(double a, double b, double t0, std::span<const PuntoRT> punti) {
    const double beta = 1 / b;
    const double r0 = std::exp((InversoKelvin(t0) - a) * beta);
    if (!std::isfinite(beta) || !(beta > 0)) {
        return EsitoBeta::Errore("B ≤ 0: la resistenza non scende con la temperatura");
    }
    if (!std::isfinite(r0) || !(r0 > 0)) {
        return EsitoBeta::Errore("R0 fuori dal campo dei numeri");
    }
    Adattamento<ParametriBeta> adattamento;
    adattamento.parametri = {r0, beta, t0};
    adattamento.scarti = CalcolaScarti(ModelloBeta(adattamento.parametri), punti);
    return adattamento;
}

bool T0Valida(double t0) {
    return std::isfinite(t0) && t0 > -ZERO_CELSIUS_K;
}

} // namespace

EsitoBeta AdattaBeta(const PuntoRT& primo, const PuntoRT& secondo, double t0) {
    const std::array punti{primo, secondo};
    if (auto motivo = ControllaPunti(punti, {}, 2); !motivo.empty()) {
        return EsitoBeta::Errore(std::move(motivo));
    }
    if (!T0Valida(t0)) {
        return EsitoBeta::Errore("temperatura di riferimento non valida");
    }
    if (primo.temperatura == secondo.temperatura) {
        return EsitoBeta::Errore("i due punti hanno la stessa temperatura");
    }
    const double l1 = std::log(primo.resistenza);
    const double b = (InversoKelvin(primo.temperatura) - InversoKelvin(secondo.temperatura)) /
                     (l1 - std::log(secondo.resistenza));
    auto esito = DaRetta(InversoKelvin(primo.temperatura) - b * l1, b, t0, punti);
    // At its own temperature the first point's resistance is R0 itself, not a rounding of it.
    if (esito.Riuscito() && primo.temperatura == t0) {
        esito.Valore().parametri.R0 = primo.resistenza;
    }
    return esito;
}

EsitoBeta AdattaBetaMinimiQuadrati(std::span<const PuntoRT> punti, std::span<const double> pesi,
                                   double t0) {
    if (auto motivo = ControllaPunti(punti, pesi, 2); !motivo.empty()) {
        return EsitoBeta::Errore(std::move(motivo));
    }
    if (!T0Valida(t0)) {
        return EsitoBeta::Errore("temperatura di riferimento non valida");
    }
    std::vector<double> uno(punti.size(), 1);
    std::vector<double> logR;
    std::vector<double> inversi;
    for (const PuntoRT& punto : punti) {
        logR.push_back(std::log(punto.resistenza));
        inversi.push_back(InversoKelvin(punto.temperatura));
    }
    const auto x = MinimiQuadrati({std::move(uno), std::move(logR)}, std::move(inversi), pesi);
    if (!x) {
        return EsitoBeta::Errore("i punti non determinano B (resistenze tutte uguali?)");
    }
    return DaRetta((*x)[0], (*x)[1], t0, punti);
}

EsitoBeta AdattaBetaConR0(std::span<const PuntoRT> punti, std::span<const double> pesi, double r0,
                          double t0) {
    if (auto motivo = ControllaPunti(punti, pesi, 1); !motivo.empty()) {
        return EsitoBeta::Errore(std::move(motivo));
    }
    if (!T0Valida(t0)) {
        return EsitoBeta::Errore("temperatura di riferimento non valida");
    }
    if (!std::isfinite(r0) || !(r0 > 0)) {
        return EsitoBeta::Errore("R0 deve essere positivo");
    }
    // B = Σ w·x·y / Σ w·x², x = 1/T − 1/T0, y = ln(R/R0).
    double xy = 0;
    double xx = 0;
    for (std::size_t i = 0; i < punti.size(); ++i) {
        const double peso = pesi.empty() ? 1 : pesi[i];
        const double x = InversoKelvin(punti[i].temperatura) - InversoKelvin(t0);
        xy += peso * x * std::log(punti[i].resistenza / r0);
        xx += peso * x * x;
    }
    if (!(xx > 0)) {
        return EsitoBeta::Errore("i punti (con peso) sono tutti a T0: non determinano B");
    }
    const double beta = xy / xx;
    if (!std::isfinite(beta) || !(beta > 0)) {
        return EsitoBeta::Errore("B ≤ 0: la resistenza non scende con la temperatura");
    }
    Adattamento<ParametriBeta> adattamento;
    adattamento.parametri = {r0, beta, t0};
    adattamento.scarti = CalcolaScarti(ModelloBeta(adattamento.parametri), punti);
    return adattamento;
}
