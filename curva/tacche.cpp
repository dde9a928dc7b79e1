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
    const double esponente = std::floor(std::log10(grezzo));
    double fattore = 10;
    for (const double candidato : {1.0, 2.0, 5.0}) {
        if (candidato * std::pow(10.0, esponente) >= grezzo) {
            fattore = candidato;
            break;
        }
    }
    // Each value is an integer count divided (or multiplied) once by a power of ten, so
    // that 3 × 0.2 is the 0.6 a label shows, not 0.6000000000000001.
    const double decina = std::pow(10.0, std::fabs(esponente));
    const auto valore = [&](double k) {
        return esponente < 0 ? k * fattore / decina : k * fattore * decina;
    };
    const double passo = valore(1);
    std::vector<double> tacche;
    for (double k = std::ceil(estremi.minimo / passo - 1e-9);
         valore(k) <= estremi.massimo + passo * 1e-9; k += 1) {
        tacche.push_back(valore(k) == 0 ? 0 : valore(k));
    }
    return tacche;
}

Estremi EstremiLogaritmici(double minimo, double massimo) {
    const double basso = std::floor(std::log10(minimo));
    const double alto = std::ceil(std::log10(massimo));
    if (alto - basso >= 2) {
        return {std::pow(10.0, basso), std::pow(10.0, alto)};
    }
    // 1, 2, 5, 10, 20, 50, 100 × the decade below the minimum.
    const double base = std::pow(10.0, basso);
    constexpr std::array<double, 7> PASSI{1, 2, 5, 10, 20, 50, 100};
    double inizio = base;
    for (const double passo : PASSI) {
        if (passo * base <= minimo) {
            inizio = passo * base;
        }
    }
    for (const double passo : PASSI) {
        if (passo * base >= massimo && passo * base > inizio) {
            return {inizio, passo * base};
        }
    }
    return {inizio, PASSI.back() * base};
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
