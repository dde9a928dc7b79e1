#include "core/testi_numerici.h"

std::string ConPuntoDecimale(std::string_view testo, std::string_view decimale) {
    if (decimale.empty() || decimale == ".") {
        return std::string(testo);
    }
    // The separator may be several bytes (U+066B); it is replaced whole.
    std::string risultato;
    risultato.reserve(testo.size());
    size_t da = 0;
    for (size_t i = testo.find(decimale); i != std::string_view::npos;
         i = testo.find(decimale, da)) {
        risultato.append(testo.substr(da, i - da));
        risultato.push_back('.');
        da = i + decimale.size();
    }
    risultato.append(testo.substr(da));
    return risultato;
}

std::optional<double> LeggiRegistroPerConversione(std::string_view registro,
                                                  const Regione& regione) {
    if (regione.decimale == ".") {
        return LeggiNumeroLocale(registro, regione);
    }
    // Keyed points and result commas both mean the decimal point here; the register never
    // holds grouping, so none is skipped.
    return LeggiNumeroLocale(ConPuntoDecimale(registro, regione.decimale), Regione{".", ""});
}

std::optional<double> LeggiRegistro(std::string_view registro, const Regione& regione) {
    return LeggiNumero(ConPuntoDecimale(registro, regione.decimale));
}
