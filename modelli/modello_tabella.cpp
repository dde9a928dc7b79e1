#include "modelli/modello_tabella.h"

#include "modelli/testo_breve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

double Inverso(double t) {
    return 1 / (t + ZERO_CELSIUS_K);
}

// Along the segment from a to b, where ln R is linear in 1/T.
double LogResistenzaTra(const PuntoRT& a, const PuntoRT& b, double u) {
    const double la = std::log(a.resistenza);
    const double lb = std::log(b.resistenza);
    const double ua = Inverso(a.temperatura);
    return la + (lb - la) * ((u - ua) / (Inverso(b.temperatura) - ua));
}

double InversoTra(const PuntoRT& a, const PuntoRT& b, double logR) {
    const double la = std::log(a.resistenza);
    const double ua = Inverso(a.temperatura);
    return ua + (Inverso(b.temperatura) - ua) * ((logR - la) / (std::log(b.resistenza) - la));
}

} // namespace

Esito<ModelloTabella> ModelloTabella::Crea(std::vector<PuntoRT> righe) {
    if (righe.size() < 2) {
        return Esito<ModelloTabella>::Errore("la tabella ha meno di due righe");
    }
    for (const PuntoRT& riga : righe) {
        if (!std::isfinite(riga.temperatura) || !(riga.temperatura > -ZERO_CELSIUS_K) ||
            !std::isfinite(riga.resistenza) || !(riga.resistenza > 0)) {
            return Esito<ModelloTabella>::Errore("riga non valida a " +
                                                 TestoBreve(riga.temperatura) + " °C");
        }
    }
    std::sort(righe.begin(), righe.end(),
              [](const PuntoRT& a, const PuntoRT& b) { return a.temperatura < b.temperatura; });
    for (std::size_t i = 1; i < righe.size(); ++i) {
        if (righe[i].temperatura == righe[i - 1].temperatura) {
            return Esito<ModelloTabella>::Errore("due righe a " + TestoBreve(righe[i].temperatura) +
                                                 " °C");
        }
        if (!(righe[i].resistenza < righe[i - 1].resistenza)) {
            return Esito<ModelloTabella>::Errore("la resistenza non scende tra " +
                                                 TestoBreve(righe[i - 1].temperatura) + " e " +
                                                 TestoBreve(righe[i].temperatura) + " °C");
        }
    }
    return ModelloTabella(std::move(righe));
}

std::optional<double> ModelloTabella::Resistenza(double t) const {
    if (!(t >= righe_.front().temperatura && t <= righe_.back().temperatura)) {
        return std::nullopt;
    }
    const auto dopo =
        std::lower_bound(righe_.begin(), righe_.end(), t, [](const PuntoRT& riga, double valore) {
            return riga.temperatura < valore;
        });
    // A row's own value, not one rounded through ln and exp.
    if (dopo->temperatura == t) {
        return dopo->resistenza;
    }
    return std::exp(LogResistenzaTra(*(dopo - 1), *dopo, Inverso(t)));
}

std::optional<double> ModelloTabella::Temperatura(double r) const {
    if (!(r <= righe_.front().resistenza && r >= righe_.back().resistenza)) {
        return std::nullopt;
    }
    // Resistances fall along the rows: the first row not above r.
    const auto dopo =
        std::lower_bound(righe_.begin(), righe_.end(), r, [](const PuntoRT& riga, double valore) {
            return riga.resistenza > valore;
        });
    if (dopo->resistenza == r) {
        return dopo->temperatura;
    }
    return 1 / InversoTra(*(dopo - 1), *dopo, std::log(r)) - ZERO_CELSIUS_K;
}

std::optional<double> ModelloTabella::DerivataLogaritmica(double t) const {
    if (!(t >= righe_.front().temperatura && t <= righe_.back().temperatura)) {
        return std::nullopt;
    }
    auto dopo =
        std::upper_bound(righe_.begin(), righe_.end(), t, [](double valore, const PuntoRT& riga) {
            return valore < riga.temperatura;
        });
    if (dopo == righe_.end()) {
        --dopo;
    }
    const PuntoRT& a = *(dopo - 1);
    const PuntoRT& b = *dopo;
    const double pendenza = (std::log(b.resistenza) - std::log(a.resistenza)) /
                            (Inverso(b.temperatura) - Inverso(a.temperatura));
    const double u = Inverso(t);
    return -pendenza * u * u;
}

std::string TestoCampo(const ModelloNTC& modello) {
    const auto* tabella = dynamic_cast<const ModelloTabella*>(&modello);
    if (tabella == nullptr) {
        return {};
    }
    const PuntoRT& freddo = tabella->Righe().front();
    const PuntoRT& caldo = tabella->Righe().back();
    return "la tabella va da " + TestoBreve(freddo.temperatura) + " °C (" +
           TestoBreve(freddo.resistenza) + " Ω) a " + TestoBreve(caldo.temperatura) + " °C (" +
           TestoBreve(caldo.resistenza) + " Ω)";
}
