#include "curva/tacche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

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

std::vector<double> TaccheLogaritmiche(Estremi estremi, int massimo) {
    if (!(estremi.minimo > 0) || !(estremi.massimo > estremi.minimo) ||
        !std::isfinite(estremi.massimo) || massimo < 2) {
        return {};
    }
    const int basso = static_cast<int>(std::floor(std::log10(estremi.minimo) + 1e-9));
    const int alto = static_cast<int>(std::ceil(std::log10(estremi.massimo) - 1e-9));
    const auto dentro = [&](double valore) {
        return valore >= estremi.minimo * (1 - 1e-9) && valore <= estremi.massimo * (1 + 1e-9);
    };
    const auto conFattori = [&](std::initializer_list<double> fattori, int ogni) {
        std::vector<double> tacche;
        for (int decade = basso; decade <= alto; ++decade) {
            if (decade % ogni != 0) {
                continue;
            }
            for (const double fattore : fattori) {
                if (const double valore = fattore * std::pow(10.0, decade); dentro(valore)) {
                    tacche.push_back(valore);
                }
            }
        }
        return tacche;
    };
    auto tacche = conFattori({1, 2, 5}, 1);
    if (tacche.size() < 2) {
        return TaccheLineari(estremi, massimo);
    }
    // Every k-th decade, k itself a round number, so the labels read 10⁰, 10¹⁰, 10²⁰…
    for (const int ogni : {1, 2, 5, 10, 20, 50, 100}) {
        if (tacche.size() <= static_cast<std::size_t>(massimo)) {
            break;
        }
        tacche = conFattori({1}, ogni);
    }
    return tacche;
}

int DecimaliPerPasso(double passo) {
    if (!(passo > 0) || !std::isfinite(passo)) {
        return 0;
    }
    // 0.25 needs two decimals: the step's own digits, found by scaling until it is whole.
    int decimali = 0;
    double scalato = passo;
    constexpr int DECIMALI_MASSIMI = 12;
    while (decimali < DECIMALI_MASSIMI &&
           std::fabs(scalato - std::round(scalato)) > 1e-9 * std::max(1.0, scalato)) {
        scalato *= 10;
        ++decimali;
    }
    return decimali;
}

int CifrePerPasso(double valore, double passo, int minime) {
    if (!(passo > 0) || !std::isfinite(passo) || !std::isfinite(valore) || valore == 0) {
        return minime;
    }
    const int intere = static_cast<int>(std::floor(std::log10(std::fabs(valore)) + 1e-9));
    const int ultima = static_cast<int>(std::floor(std::log10(passo) + 1e-9)) -
                       DecimaliPerPasso(passo / std::pow(10.0, std::floor(std::log10(passo))));
    return std::max(minime, intere - ultima + 1);
}
