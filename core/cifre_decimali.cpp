#include "core/cifre_decimali.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

QuindiciCifre ArrotondaQuindiciCifre(double grandezza) {
    // to_chars with a precision rounds the exact binary value, ties to even, and never
    // looks at the C locale.
    std::array<char, 32> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), grandezza,
                                    std::chars_format::scientific, 14)
                          .ptr;
    const std::string_view scritto(testo.data(), static_cast<size_t>(fine - testo.data()));
    const auto e = scritto.find('e');

    QuindiciCifre risultato;
    risultato.cifre.reserve(15);
    for (const char c : scritto.substr(0, e)) {
        if (c != '.') {
            risultato.cifre.push_back(c);
        }
    }
    while (risultato.cifre.size() > 1 && risultato.cifre.back() == '0') {
        risultato.cifre.pop_back();
    }
    const std::string_view esponente = scritto.substr(e + 1);
    std::from_chars(esponente.data() + (esponente[0] == '+' ? 1 : 0),
                    esponente.data() + esponente.size(), risultato.esponente);
    return risultato;
}

std::string TestoNonFinito(double valore) {
    if (std::isnan(valore)) {
        return "nan";
    }
    return valore < 0 ? "-inf" : "inf";
}

namespace {

// Decimal position of the first significant digit, saturated, to tell an overflow from
// an underflow when the double range is left.
int64_t OrdineDiGrandezza(std::string_view intera, std::string_view frazione, int64_t esponente) {
    const auto prima = intera.find_first_not_of('0');
    if (prima != std::string_view::npos) {
        return esponente + static_cast<int64_t>(intera.size() - prima) - 1;
    }
    const auto primaFrazione = frazione.find_first_not_of('0');
    return esponente - static_cast<int64_t>(primaFrazione) - 1;
}

int64_t EsponenteSaturato(bool negativo, std::string_view cifre) {
    constexpr int64_t LIMITE = 1'000'000'000'000;
    int64_t valore = 0;
    for (const char c : cifre) {
        valore = std::min<int64_t>(LIMITE, valore * 10 + (c - '0'));
    }
    return negativo ? -valore : valore;
}

} // namespace

LetturaCifre ConvertiCifre(bool negativo, std::string_view intera, std::string_view frazione,
                           bool esponenteNegativo, std::string_view esponente) {
    std::string testo;
    testo.reserve(intera.size() + frazione.size() + esponente.size() + 4);
    testo.append(intera.empty() ? "0" : intera);
    if (!frazione.empty()) {
        testo.push_back('.');
        testo.append(frazione);
    }
    if (!esponente.empty()) {
        testo.push_back('e');
        testo.push_back(esponenteNegativo ? '-' : '+');
        testo.append(esponente);
    }

    LetturaCifre lettura;
    const auto [fine, errore] =
        std::from_chars(testo.data(), testo.data() + testo.size(), lettura.valore);
    (void)fine;
    if (errore == std::errc::result_out_of_range) {
        const int64_t ordine =
            OrdineDiGrandezza(intera, frazione, EsponenteSaturato(esponenteNegativo, esponente));
        if (ordine > 0) {
            long double grandezza = 0;
            const auto esteso =
                std::from_chars(testo.data(), testo.data() + testo.size(), grandezza);
            lettura.esito = esteso.ec == std::errc() && grandezza <= 1.79769313486232e308L
                                ? EsitoCifre::OltreDiPoco
                                : EsitoCifre::Overflow;
            return lettura;
        }
        lettura.valore = 0;
    }
    if (negativo) {
        lettura.valore = -lettura.valore;
    }
    return lettura;
}
