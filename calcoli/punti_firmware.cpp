#include "calcoli/punti_firmware.h"

#include "modelli/adatta_steinhart_hart.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Samples of an error: fine enough that its largest value between them is reached.
constexpr int CAMPIONI_INTERVALLO = 4000;
constexpr int CAMPIONI_TRATTO = 32;
// Where a table's points may fall: on tenths of a kelvin, so that they read well.
constexpr double DECIMI = 10;
constexpr int BISEZIONI = 40;

double Infinito() {
    return std::numeric_limits<double>::infinity();
}

// T by the straight line in R between two points.
double TraDuePunti(const PuntoRT& p, const PuntoRT& q, double r) {
    return p.temperatura +
           (r - p.resistenza) * (q.temperatura - p.temperatura) / (q.resistenza - p.resistenza);
}

// The largest error of the straight line between the model's points at t1 and t2.
double ErroreTratto(const ModelloNTC& modello, double t1, double t2) {
    const auto r1 = modello.Resistenza(t1);
    const auto r2 = modello.Resistenza(t2);
    if (!r1 || !r2 || *r1 == *r2) {
        return Infinito();
    }
    double massimo = 0;
    for (int i = 1; i < CAMPIONI_TRATTO; ++i) {
        const double t = t1 + (t2 - t1) * i / CAMPIONI_TRATTO;
        const auto r = modello.Resistenza(t);
        if (!r) {
            return Infinito();
        }
        massimo = std::max(massimo, std::fabs(TraDuePunti({t1, *r1}, {t2, *r2}, *r) - t));
    }
    return massimo;
}

} // namespace

std::optional<std::array<RigaTabella, 3>> TrePunti(std::span<const RigaTabella> righe) {
    if (righe.size() < 3) {
        return std::nullopt;
    }
    return std::array{righe.front(), righe[righe.size() / 2], righe.back()};
}

std::array<PuntoRT, 3> PuntiDiRighe(const std::array<RigaTabella, 3>& righe) {
    return {PuntoRT{righe[0].temperatura, righe[0].resistenza},
            PuntoRT{righe[1].temperatura, righe[1].resistenza},
            PuntoRT{righe[2].temperatura, righe[2].resistenza}};
}

double ErroreTrePunti(const ModelloNTC& modello, const std::array<PuntoRT, 3>& punti,
                      Intervallo campo) {
    const auto adattato = AdattaSteinhartHart3(punti[0], punti[1], punti[2]);
    if (!adattato.Riuscito()) {
        return Infinito();
    }
    const auto& a = adattato.Valore();
    const ModelloSteinhartHart sh(a.parametri);
    const ModelloBeta beta(a.betaEstremi.value_or(ParametriBeta{}));
    const ModelloNTC& letto = a.betaEstremi ? static_cast<const ModelloNTC&>(beta) : sh;
    double massimo = 0;
    for (int i = 0; i <= CAMPIONI_INTERVALLO; ++i) {
        const double t = campo.da + (campo.a - campo.da) * i / CAMPIONI_INTERVALLO;
        const auto r = modello.Resistenza(t);
        const auto tLetta = r ? letto.Temperatura(*r) : std::nullopt;
        if (!tLetta) {
            return Infinito();
        }
        massimo = std::max(massimo, std::fabs(*tLetta - t));
    }
    return massimo;
}

TrePuntiScelti ScegliTrePunti(const ModelloNTC& modello, const std::array<RigaTabella, 3>& righe) {
    const Intervallo campo{righe.front().temperatura, righe.back().temperatura};
    TrePuntiScelti scelti{PuntiDiRighe(righe), 0};
    scelti.errore = ErroreTrePunti(modello, scelti.punti, campo);
    // The nodes that keep an interpolation's largest error smallest, at (1 ± cos 30°)/2 and
    // 1/2 of the range in 1/T, on tenths of a kelvin.
    const double x1 = 1 / (campo.da + ZERO_CELSIUS_K);
    const double x2 = 1 / (campo.a + ZERO_CELSIUS_K);
    const double coseno = std::sqrt(3.0) / 2;
    std::array<PuntoRT, 3> nodi{};
    for (size_t k = 0; k < nodi.size(); ++k) {
        const double c = k == 0 ? coseno : (k == 1 ? 0 : -coseno);
        const double x = (x1 + x2) / 2 + (x1 - x2) / 2 * c;
        const double t = std::round((1 / x - ZERO_CELSIUS_K) * DECIMI) / DECIMI;
        const auto r = modello.Resistenza(t);
        if (!r) {
            return scelti;
        }
        nodi[k] = {t, *r};
    }
    const double errore = ErroreTrePunti(modello, nodi, campo);
    if (errore < scelti.errore) {
        scelti = {nodi, errore};
    }
    return scelti;
}

std::vector<PuntoRT> TabellaLineareInR(const ModelloNTC& modello, Intervallo campo,
                                       double tolleranza, std::size_t massimi) {
    const double basso = std::min(campo.da, campo.a);
    const double alto = std::max(campo.da, campo.a);
    std::vector<double> temperature{basso};
    while (temperature.back() < alto) {
        const double t1 = temperature.back();
        double prossima = alto;
        if (ErroreTratto(modello, t1, alto) > tolleranza) {
            // The longest step within the tolerance, by bisection, then down to a tenth.
            double dentro = t1;
            double fuori = alto;
            for (int i = 0; i < BISEZIONI; ++i) {
                const double mezzo = (dentro + fuori) / 2;
                (ErroreTratto(modello, t1, mezzo) <= tolleranza ? dentro : fuori) = mezzo;
            }
            prossima = std::floor(dentro * DECIMI) / DECIMI;
            if (!(prossima > t1)) {
                prossima = dentro;
            }
            if (!(prossima > t1)) {
                return {};
            }
        }
        temperature.push_back(prossima);
        if (temperature.size() > massimi) {
            return {};
        }
    }
    std::vector<PuntoRT> punti;
    for (const double t : temperature) {
        const auto r = modello.Resistenza(t);
        if (!r) {
            return {};
        }
        punti.push_back({t, *r});
    }
    return punti;
}

double ErroreTabellaLineareInR(const ModelloNTC& modello, std::span<const PuntoRT> punti) {
    double massimo = 0;
    for (size_t i = 1; i < punti.size(); ++i) {
        massimo = std::max(massimo,
                           ErroreTratto(modello, punti[i - 1].temperatura, punti[i].temperatura));
    }
    return massimo;
}

std::string TestoErrore(double kelvin) {
    if (!std::isfinite(kelvin)) {
        return "no bound";
    }
    std::array<char, 32> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), kelvin,
                                    std::chars_format::general, 2)
                          .ptr;
    return std::string(testo.data(), fine) + " K";
}
