#include "modelli/minimi_quadrati.h"

#include <cmath>
#include <cstddef>

namespace {

double Norma(const std::vector<double>& v, std::size_t da) {
    double massimo = 0;
    for (std::size_t i = da; i < v.size(); ++i) {
        massimo = std::fmax(massimo, std::fabs(v[i]));
    }
    if (massimo == 0) {
        return 0;
    }
    double somma = 0;
    for (std::size_t i = da; i < v.size(); ++i) {
        const double s = v[i] / massimo;
        somma += s * s;
    }
    return massimo * std::sqrt(somma);
}

// Applies the reflection I − 2vvᵀ/(vᵀv) kept in riflessione (rows k…) to v.
void Rifletti(const std::vector<double>& riflessione, double quadrato, std::size_t k,
              std::vector<double>& v) {
    double prodotto = 0;
    for (std::size_t i = k; i < v.size(); ++i) {
        prodotto += riflessione[i] * v[i];
    }
    const double fattore = 2 * prodotto / quadrato;
    for (std::size_t i = k; i < v.size(); ++i) {
        v[i] -= fattore * riflessione[i];
    }
}

} // namespace

std::optional<std::vector<double>> MinimiQuadrati(std::vector<std::vector<double>> colonne,
                                                  std::vector<double> termini,
                                                  std::span<const double> pesi) {
    const std::size_t righe = termini.size();
    const std::size_t incognite = colonne.size();
    if (righe < incognite || (!pesi.empty() && pesi.size() != righe)) {
        return std::nullopt;
    }
    if (!pesi.empty()) {
        for (std::size_t i = 0; i < righe; ++i) {
            const double radice = std::sqrt(pesi[i]);
            termini[i] *= radice;
            for (auto& colonna : colonne) {
                colonna[i] *= radice;
            }
        }
    }
    std::vector<double> scale(incognite);
    for (std::size_t j = 0; j < incognite; ++j) {
        scale[j] = Norma(colonne[j], 0);
        if (!(scale[j] > 0) || !std::isfinite(scale[j])) {
            return std::nullopt;
        }
        for (double& a : colonne[j]) {
            a /= scale[j];
        }
    }
    // Columns scaled to length 1: a pivot this small means they are dependent.
    const double soglia = 1e-13;
    std::vector<double> diagonale(incognite);
    for (std::size_t k = 0; k < incognite; ++k) {
        std::vector<double>& riflessione = colonne[k];
        const double norma = Norma(riflessione, k);
        if (!(norma > soglia)) {
            return std::nullopt;
        }
        const double alfa = riflessione[k] > 0 ? -norma : norma;
        riflessione[k] -= alfa;
        double quadrato = 0;
        for (std::size_t i = k; i < righe; ++i) {
            quadrato += riflessione[i] * riflessione[i];
        }
        for (std::size_t j = k + 1; j < incognite; ++j) {
            Rifletti(riflessione, quadrato, k, colonne[j]);
        }
        Rifletti(riflessione, quadrato, k, termini);
        diagonale[k] = alfa;
    }
    std::vector<double> x(incognite);
    for (std::size_t k = incognite; k-- > 0;) {
        double somma = termini[k];
        for (std::size_t j = k + 1; j < incognite; ++j) {
            somma -= colonne[j][k] * x[j];
        }
        x[k] = somma / diagonale[k];
    }
    for (std::size_t j = 0; j < incognite; ++j) {
        x[j] /= scale[j];
        if (!std::isfinite(x[j])) {
            return std::nullopt;
        }
    }
    return x;
}
