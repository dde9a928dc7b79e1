#include "curva/sfoltimento.h"

#include <algorithm>
#include <cmath>

SerieSfoltita::SerieSfoltita(std::vector<PuntoXY> punti) : punti_(std::move(punti)) {
    const auto y = [this](std::uint32_t i) { return punti_[i].y; };
    // Level 1 from the points, each further level from the one below, two blocks at a time.
    std::size_t blocchi = punti_.size() / 2;
    while (blocchi > 0) {
        Livello livello;
        livello.minimo.reserve(blocchi);
        livello.massimo.reserve(blocchi);
        for (std::size_t b = 0; b < blocchi; ++b) {
            std::uint32_t primoMinimo = 0;
            std::uint32_t secondoMinimo = 0;
            std::uint32_t primoMassimo = 0;
            std::uint32_t secondoMassimo = 0;
            if (livelli_.empty()) {
                primoMinimo = primoMassimo = static_cast<std::uint32_t>(2 * b);
                secondoMinimo = secondoMassimo = static_cast<std::uint32_t>(2 * b + 1);
            } else {
                const Livello& sotto = livelli_.back();
                primoMinimo = sotto.minimo[2 * b];
                secondoMinimo = sotto.minimo[2 * b + 1];
                primoMassimo = sotto.massimo[2 * b];
                secondoMassimo = sotto.massimo[2 * b + 1];
            }
            livello.minimo.push_back(y(secondoMinimo) < y(primoMinimo) ? secondoMinimo
                                                                       : primoMinimo);
            livello.massimo.push_back(y(secondoMassimo) > y(primoMassimo) ? secondoMassimo
                                                                          : primoMassimo);
        }
        livelli_.push_back(std::move(livello));
        blocchi /= 2;
    }
}

Estremi SerieSfoltita::EstremiX() const {
    if (punti_.empty()) {
        return {};
    }
    return {punti_.front().x, punti_.back().x};
}

Estremi SerieSfoltita::EstremiY() const {
    if (punti_.empty()) {
        return {};
    }
    // The top level covers all but the points past its last whole block.
    std::size_t coperti = 0;
    Estremi estremi{punti_.front().y, punti_.front().y};
    if (!livelli_.empty()) {
        const Livello& cima = livelli_.back();
        estremi = {punti_[cima.minimo.front()].y, punti_[cima.massimo.front()].y};
        coperti = std::size_t{1} << livelli_.size();
    }
    for (std::size_t i = coperti; i < punti_.size(); ++i) {
        estremi.minimo = std::min(estremi.minimo, punti_[i].y);
        estremi.massimo = std::max(estremi.massimo, punti_[i].y);
    }
    return estremi;
}

std::optional<double> SerieSfoltita::Y(double x) const {
    if (punti_.empty() || x < punti_.front().x || x > punti_.back().x) {
        return std::nullopt;
    }
    const auto dopo =
        std::lower_bound(punti_.begin(), punti_.end(), x,
                         [](const PuntoXY& p, double valore) { return p.x < valore; });
    if (dopo->x == x || dopo == punti_.begin()) {
        return dopo->y;
    }
    const PuntoXY& prima = *(dopo - 1);
    return prima.y + (dopo->y - prima.y) * (x - prima.x) / (dopo->x - prima.x);
}

std::vector<PuntoXY> SerieSfoltita::Tratto(double xMinimo, double xMassimo,
                                           double larghezza) const {
    if (punti_.empty()) {
        return {};
    }
    const auto primoDentro =
        std::lower_bound(punti_.begin(), punti_.end(), xMinimo,
                         [](const PuntoXY& p, double valore) { return p.x < valore; });
    const auto primoFuori =
        std::upper_bound(punti_.begin(), punti_.end(), xMassimo,
                         [](double valore, const PuntoXY& p) { return valore < p.x; });
    // A window wholly past either end holds no part of the curve.
    if (primoDentro == punti_.end() || primoFuori == punti_.begin()) {
        return {};
    }
    const auto inizio = static_cast<std::size_t>(
        primoDentro == punti_.begin() ? 0 : primoDentro - punti_.begin() - 1);
    const auto fine = static_cast<std::size_t>(
        std::min(primoFuori - punti_.begin(), static_cast<std::ptrdiff_t>(punti_.size()) - 1));
    if (fine < inizio) {
        return {};
    }
    // The level whose blocks span about a column, from the points' mean spacing here.
    const double intervallo = punti_[fine].x - punti_[inizio].x;
    const std::size_t quanti = fine - inizio + 1;
    std::size_t livello = 0;
    if (quanti > 2 && intervallo > 0 && larghezza > 0) {
        const double perColonna = larghezza * static_cast<double>(quanti - 1) / intervallo;
        if (perColonna >= 2) {
            livello = std::min(static_cast<std::size_t>(std::floor(std::log2(perColonna))),
                               livelli_.size());
        }
    }
    std::vector<PuntoXY> tratto;
    if (livello == 0) {
        tratto.assign(punti_.begin() + static_cast<std::ptrdiff_t>(inizio),
                      punti_.begin() + static_cast<std::ptrdiff_t>(fine) + 1);
        return tratto;
    }
    // The ends, each block's lowest and highest, and those of the points past the last
    // whole block, in their order along the curve.
    const Livello& blocchi = livelli_[livello - 1];
    const std::size_t primo = inizio >> livello;
    const std::size_t ultimo = std::min(fine >> livello, blocchi.minimo.size() - 1);
    std::vector<std::uint32_t> indici;
    indici.reserve(2 * (ultimo - primo + 1) + 4);
    indici.push_back(static_cast<std::uint32_t>(inizio));
    for (std::size_t b = primo; b <= ultimo; ++b) {
        indici.push_back(blocchi.minimo[b]);
        indici.push_back(blocchi.massimo[b]);
    }
    const std::size_t resto = (ultimo + 1) << livello;
    if (resto <= fine) {
        const auto [basso, alto] =
            std::minmax_element(punti_.begin() + static_cast<std::ptrdiff_t>(resto),
                                punti_.begin() + static_cast<std::ptrdiff_t>(fine) + 1,
                                [](const PuntoXY& a, const PuntoXY& b) { return a.y < b.y; });
        indici.push_back(static_cast<std::uint32_t>(basso - punti_.begin()));
        indici.push_back(static_cast<std::uint32_t>(alto - punti_.begin()));
    }
    indici.push_back(static_cast<std::uint32_t>(fine));
    std::sort(indici.begin(), indici.end());
    indici.erase(std::unique(indici.begin(), indici.end()), indici.end());
    tratto.reserve(indici.size());
    for (const std::uint32_t i : indici) {
        tratto.push_back(punti_[i]);
    }
    return tratto;
}
