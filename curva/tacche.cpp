#include "curva/tacche.h"

#include <array>
#include <cmath>

namespace {

// Past this many decades, the 2 and 5 lines between them crowd the axis.
constexpr double DECADI_CON_INTERMEDIE = 4;

} // namespace

std::vector<double> TaccheLineari(Estremi estremi, int circa) {
    const double ampiezza = estremi.massimo - estremi.minimo;
    if (!(ampiezza > 0) || !std::isfinite(ampiezza) || circa < 1) {
        return {estremi.minimo};
    }
    const double grezzo = ampiezza / circa;
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    double passo = 10 * potenza;
    for (const double fattore : {1.0, 2.0, 5.0}) {
        if (fattore * potenza >= grezzo) {
            passo = fattore * potenza;
            break;
        }
    }
    std::vector<double> tacche;
    // Counted from an integer multiple so that 0.1 steps print as 0.3, not 0.30000000000000004.
    for (double k = std::ceil(estremi.minimo / passo - 1e-9); k * passo <= estremi.massimo + passo * 1e-9;
         k += 1) {
        tacche.push_back(k * passo == 0 ? 0 : k * passo);
    }
    return tacche;
}

Estremi DecadiIntere(double minimo, double massimo) {
    const double basso = std::floor(std::log10(minimo));
    double alto = std::ceil(std::log10(massimo));
    if (alto <= basso) {
        alto = basso + 1;
    }
    return {std::pow(10.0, basso), std::pow(10.0, alto)};
}

std::vector<double> TaccheLogaritmiche(Estremi estremi) {
    const int basso = static_cast<int>(std::floor(std::log10(estremi.minimo) + 1e-9));
    const int alto = static_cast<int>(std::ceil(std::log10(estremi.massimo) - 1e-9));
    const bool intermedie = alto - basso <= DECADI_CON_INTERMEDIE;
    std::vector<double> tacche;
    for (int decade = basso; decade <= alto; ++decade) {
        const double base = std::pow(10.0, decade);
        for (const double fattore : {1.0, 2.0, 5.0}) {
            const double valore = fattore * base;
            if ((fattore == 1 || intermedie) && valore >= estremi.minimo * (1 - 1e-9) &&
                valore <= estremi.massimo * (1 + 1e-9)) {
                tacche.push_back(valore);
            }
        }
    }
    return tacche;
}
