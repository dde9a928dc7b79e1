#include "modelli/punti.h"

#include "modelli/testo_breve.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::string ControllaPunti(std::span<const PuntoRT> punti, std::span<const double> pesi,
                           std::size_t minimo) {
    if (punti.size() < minimo) {
        return "servono almeno " + std::to_string(minimo) + " punti";
    }
    if (!pesi.empty() && pesi.size() != punti.size()) {
        return "i pesi non sono uno per punto";
    }
    for (const PuntoRT& punto : punti) {
        if (!std::isfinite(punto.temperatura) || !(punto.temperatura > -ZERO_CELSIUS_K)) {
            return "temperatura non valida: " + TestoBreve(punto.temperatura);
        }
        if (!std::isfinite(punto.resistenza) || !(punto.resistenza > 0)) {
            return "resistenza non valida: " + TestoBreve(punto.resistenza);
        }
    }
    for (const double peso : pesi) {
        if (!std::isfinite(peso) || !(peso >= 0)) {
            return "peso non valido: " + TestoBreve(peso);
        }
    }
    return {};
}

Scarti CalcolaScarti(const ModelloNTC& modello, std::span<const PuntoRT> punti) {
    Scarti scarti;
    scarti.perPunto.reserve(punti.size());
    for (const PuntoRT& punto : punti) {
        const auto t = modello.Temperatura(punto.resistenza);
        const double scarto = t ? *t - punto.temperatura : std::numeric_limits<double>::infinity();
        scarti.perPunto.push_back(scarto);
        scarti.massimo = std::fmax(scarti.massimo, std::fabs(scarto));
    }
    return scarti;
}

std::optional<double> RiferimentoAdattamento(std::span<const PuntoRT> punti,
                                             std::optional<double> rRif) {
    if (rRif) {
        return std::isfinite(*rRif) && *rRif > 0 ? rRif : std::nullopt;
    }
    return std::min_element(punti.begin(), punti.end(),
                            [](const PuntoRT& a, const PuntoRT& b) {
                                return std::fabs(a.temperatura - 25) <
                                       std::fabs(b.temperatura - 25);
                            })
        ->resistenza;
}
