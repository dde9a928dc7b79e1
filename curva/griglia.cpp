#include "curva/griglia.h"

#include "ntc/griglia.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

std::optional<NumeroScritto> Leggi(std::string_view testo) {
    double valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc() || fine != testo.data() + testo.size() || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return NumeroScritto{valore, testo};
}

} // namespace

Esito<std::vector<double>> GrigliaTemperature(std::string_view da, std::string_view a,
                                              std::string_view passo) {
    using EsitoGriglia = Esito<std::vector<double>>;
    const auto inizio = Leggi(da);
    const auto fine = Leggi(a);
    const auto salto = Leggi(passo);
    if (!inizio || !fine || !salto) {
        return EsitoGriglia::Errore("intervallo non valido");
    }
    const auto calcolata = CalcolaGriglia(*inizio, *fine, *salto);
    if (const auto* errore = std::get_if<ErroreGriglia>(&calcolata)) {
        switch (*errore) {
        case ErroreGriglia::PassoNullo:
            return EsitoGriglia::Errore("il passo non può essere 0");
        case ErroreGriglia::VersoOpposto:
            return EsitoGriglia::Errore("il passo non va dall'inizio verso la fine");
        case ErroreGriglia::TroppeRighe:
            return EsitoGriglia::Errore("più di " + std::to_string(RIGHE_MASSIME) + " righe");
        }
    }
    const Griglia& griglia = std::get<Griglia>(calcolata);
    std::vector<double> temperature;
    temperature.reserve(static_cast<size_t>(griglia.righe));
    for (long i = 0; i < griglia.righe; ++i) {
        temperature.push_back(griglia.Temperatura(i));
    }
    return temperature;
}
