// Choosing the series resistor: every preferred value over the span, ranked, and the
// continuous optimum they are measured against.
#include "calcoli/progetto.h"
#include "calcoli/scrittura_testi.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The first look at the criterion over the span, before the golden-section search: fine
// enough that its best point's neighbours bracket the optimum, as dense as E96.
constexpr double CAMPIONI_PER_DECADE = 100;
// The search stops when the bracket is this narrow in ln Rs: Rs to ten digits.
constexpr double TOLLERANZA_LN = 1e-10;
constexpr double PASSO_PARABOLA = 1e-4;

bool Migliore(const FigureResistenza& a, const FigureResistenza& b) {
    return a.criterio < b.criterio || (a.criterio == b.criterio && a.rSerie < b.rSerie);
}

} // namespace

double Progetto::Ottimo(double minimo, double massimo) const {
    const auto criterio = [this](double u) { return Figure(std::exp(u)).criterio; };
    const double a = std::log(minimo);
    const double b = std::log(massimo);
    const int campioni = std::max(
        2, static_cast<int>(std::ceil((b - a) / std::numbers::ln10 * CAMPIONI_PER_DECADE)));
    const double passo = (b - a) / campioni;
    int migliore = 0;
    double valoreMigliore = std::numeric_limits<double>::infinity();
    for (int i = 0; i <= campioni; ++i) {
        const double valore = criterio(a + i * passo);
        if (valore < valoreMigliore) {
            valoreMigliore = valore;
            migliore = i;
        }
    }
    // Golden-section search between the best sample's neighbours. The worst resolution is
    // the largest of functions each convex in ln Rs, so convex itself; the error adds the
    // reference's term and self-heating, each monotonic in Rs and smooth on the scale of
    // the samples.
    double basso = a + std::max(0, migliore - 1) * passo;
    double alto = a + std::min(campioni, migliore + 1) * passo;
    const double rapporto = std::numbers::phi - 1;
    double c = alto - rapporto * (alto - basso);
    double d = basso + rapporto * (alto - basso);
    double fc = criterio(c);
    double fd = criterio(d);
    while (alto - basso > TOLLERANZA_LN) {
        if (fc <= fd) {
            alto = d;
            d = c;
            fd = fc;
            c = alto - rapporto * (alto - basso);
            fc = criterio(c);
        } else {
            basso = c;
            c = d;
            fc = fd;
            d = basso + rapporto * (alto - basso);
            fd = criterio(d);
        }
    }
    const double u = fc <= fd ? c : d;
    // Near a smooth minimum (one temperature alone decides) the criterion is flat to the
    // last bit over about 1e-8 in ln Rs, as close as comparing values can get; the vertex
    // of a parabola through three points further apart lands about 1e-12 from it. At a
    // kink, where the worst temperature changes, the search is exact already and the
    // parabola is not: its vertex is taken only when it is no worse.
    const double f0 = std::min(fc, fd);
    const double fm = criterio(u - PASSO_PARABOLA);
    const double fp = criterio(u + PASSO_PARABOLA);
    const double curvatura = fp - 2 * f0 + fm;
    if (curvatura > 0) {
        const double spostamento = PASSO_PARABOLA * (fm - fp) / (2 * curvatura);
        if (std::fabs(spostamento) < PASSO_PARABOLA &&
            criterio(u + spostamento) <= f0 * (1 + 4 * std::numeric_limits<double>::epsilon())) {
            return std::exp(u + spostamento);
        }
    }
    return std::exp(u);
}

SceltaResistenza Progetto::Scegli() const {
    const auto [minima, massima] =
        std::minmax_element(punti_.begin(), punti_.end(), [](const Punto& p, const Punto& q) {
            return p.resistenza < q.resistenza;
        });
    const std::vector<double> valori =
        ValoriSerie(richiesta_.serie, minima->resistenza, massima->resistenza);
    SceltaResistenza scelta;
    scelta.candidati.reserve(valori.size());
    for (const double valore : valori) {
        scelta.candidati.push_back(Figure(valore));
    }
    // At one temperature the slope is largest where Rs = R(T), exactly.
    scelta.ottimo = Figure(richiesta_.criterio.tipo == CriterioProgetto::Tipo::ATemperatura
                               ? criterio_.resistenza
                               : Ottimo(valori.front(), valori.back()));
    const auto vicino = std::min_element(valori.begin(), valori.end(), [&](double p, double q) {
        return std::fabs(std::log(p / scelta.ottimo.rSerie)) <
               std::fabs(std::log(q / scelta.ottimo.rSerie));
    });
    scelta.vicino = scelta.candidati[static_cast<std::size_t>(vicino - valori.begin())];
    std::sort(scelta.candidati.begin(), scelta.candidati.end(), Migliore);
    // A preferred value the search could not beat is the optimum to the search's precision.
    if (Migliore(scelta.candidati.front(), scelta.ottimo)) {
        scelta.ottimo = scelta.candidati.front();
    }
    const auto perdita = [&](FigureResistenza& figure) {
        figure.perditaPercento = (figure.criterio / scelta.ottimo.criterio - 1) * PERCENTO;
    };
    perdita(scelta.ottimo);
    perdita(scelta.vicino);
    std::for_each(scelta.candidati.begin(), scelta.candidati.end(), perdita);
    return scelta;
}
