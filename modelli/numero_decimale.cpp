#include "modelli/numero_decimale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

std::optional<double> LeggiDecimale(std::string_view testo, int potenzaDieci) {
    // from_chars takes no leading '+', which a user or a spreadsheet may well write.
    if (testo.size() > 1 && testo[0] == '+' && testo[1] != '-') {
        testo.remove_prefix(1);
    }
    const std::size_t e = testo.find_first_of("eE");
    const std::string_view mantissa = testo.substr(0, e);
    long esponente = potenzaDieci;
    if (e != std::string_view::npos) {
        std::string_view scritto = testo.substr(e + 1);
        if (scritto.size() > 1 && scritto[0] == '+' && scritto[1] != '-') {
            scritto.remove_prefix(1);
        }
        long valore = 0;
        const auto [fine, errore] =
            std::from_chars(scritto.data(), scritto.data() + scritto.size(), valore);
        if (scritto.empty() || errore != std::errc() || fine != scritto.data() + scritto.size()) {
            return std::nullopt;
        }
        // Beyond this any non-zero mantissa is out of range either way, and the sum stays
        // far from overflowing.
        constexpr long LIMITE = 1'000'000;
        esponente += std::clamp(valore, -LIMITE, LIMITE);
    }
    // The mantissa alone must be a plain decimal: no "inf", "nan" or hexadecimal.
    if (mantissa.empty() || mantissa.find_first_not_of("+-.0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::string numero(mantissa);
    if (esponente != 0) {
        numero += 'e';
        numero += std::to_string(esponente);
    }
    double valore = 0;
    const auto [fine, errore] = std::from_chars(numero.data(), numero.data() + numero.size(),
                                                valore, std::chars_format::general);
    if (errore != std::errc() || fine != numero.data() + numero.size() || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}
