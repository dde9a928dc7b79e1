#include "curva/griglia.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

// The command's bounds: the rows a firmware or a spreadsheet holds, and a bound on the
// memory a mistyped step can ask for.
constexpr long RIGHE_MASSIME = 1'000'000;
constexpr int DECIMALI_MASSIMI = 15;
constexpr double INTERI_ESATTI = 9007199254740992.0; // 2^53

std::optional<double> Leggi(std::string_view testo) {
    double valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc() || fine != testo.data() + testo.size() || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

// How many decimals a number's text has; empty for an exponent form.
std::optional<int> Decimali(std::string_view testo) {
    if (testo.find_first_of("eE") != std::string_view::npos) {
        return std::nullopt;
    }
    const size_t punto = testo.find('.');
    return punto == std::string_view::npos ? 0 : static_cast<int>(testo.size() - punto - 1);
}

Esito<std::vector<double>> Righe(double righe, double inizio, double salto, double scala) {
    if (!(righe >= 1)) {
        return Esito<std::vector<double>>::Errore("il passo non va dall'inizio verso la fine");
    }
    if (righe > RIGHE_MASSIME) {
        return Esito<std::vector<double>>::Errore("più di 1000000 righe");
    }
    std::vector<double> temperature;
    temperature.reserve(static_cast<size_t>(righe));
    for (long i = 0; i < static_cast<long>(righe); ++i) {
        temperature.push_back((inizio + static_cast<double>(i) * salto) / scala);
    }
    return temperature;
}

} // namespace

Esito<std::vector<double>> GrigliaTemperature(std::string_view da, std::string_view a,
                                              std::string_view passo) {
    const auto inizio = Leggi(da);
    const auto fine = Leggi(a);
    const auto salto = Leggi(passo);
    if (!inizio || !fine || !salto) {
        return Esito<std::vector<double>>::Errore("intervallo non valido");
    }
    if (*salto == 0) {
        return Esito<std::vector<double>>::Errore("il passo non può essere 0");
    }
    const auto d1 = Decimali(da);
    const auto d2 = Decimali(a);
    const auto d3 = Decimali(passo);
    if (d1 && d2 && d3 && std::max({*d1, *d2, *d3}) <= DECIMALI_MASSIMI) {
        // Counted in integers and divided once: -55 + 35500 × 0.01 is the 300 typed.
        const double scala = std::pow(10.0, std::max({*d1, *d2, *d3}));
        const double i = std::round(*inizio * scala);
        const double f = std::round(*fine * scala);
        const double s = std::round(*salto * scala);
        if (std::max({std::fabs(i), std::fabs(f), std::fabs(s)}) < INTERI_ESATTI) {
            return Righe(std::floor((f - i) / s) + 1, i, s, scala);
        }
    }
    return Righe(std::floor((*fine - *inizio) / *salto * (1 + 1e-12)) + 1, *inizio, *salto, 1);
}
