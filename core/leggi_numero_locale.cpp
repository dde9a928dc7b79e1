#include "cifre_decimali.h"
#include "testi_numerici.h"

namespace {

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

bool IniziaCon(std::string_view testo, size_t da, std::string_view parola) {
    return !parola.empty() && testo.substr(da).starts_with(parola);
}

} // namespace

std::optional<double> LeggiNumeroLocale(std::string_view t, const Regione& regione) {
    size_t i = 0;
    while (i < t.size() && t[i] == ' ') {
        ++i;
    }
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }

    // Grouping characters are skipped anywhere after the first integer digit.
    std::string intera;
    while (i < t.size()) {
        if (Cifra(t[i])) {
            intera.push_back(t[i]);
            ++i;
        } else if (!intera.empty() && !IniziaCon(t, i, regione.decimale) &&
                   IniziaCon(t, i, regione.migliaia)) {
            i += regione.migliaia.size();
        } else {
            break;
        }
    }
    std::string_view frazione;
    if (IniziaCon(t, i, regione.decimale)) {
        i += regione.decimale.size();
        const size_t inizio = i;
        while (i < t.size() && Cifra(t[i])) {
            ++i;
        }
        frazione = t.substr(inizio, i - inizio);
    }
    if (intera.empty() && frazione.empty()) {
        return std::nullopt;
    }

    bool esponenteNegativo = false;
    std::string_view esponente;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            esponenteNegativo = t[i] == '-';
            ++i;
        }
        const size_t inizio = i;
        while (i < t.size() && Cifra(t[i])) {
            ++i;
        }
        esponente = t.substr(inizio, i - inizio);
        if (esponente.empty()) {
            return std::nullopt;
        }
    }
    while (i < t.size() && t[i] == ' ') {
        ++i;
    }
    if (i != t.size()) {
        return std::nullopt;
    }

    const LetturaCifre lettura =
        ConvertiCifre(negativo, intera, frazione, esponenteNegativo, esponente);
    if (lettura.esito != EsitoCifre::Valore) {
        return std::nullopt;
    }
    return lettura.valore;
}

bool EUnNumeroLocale(std::string_view testo, const Regione& regione) {
    return LeggiNumeroLocale(testo, regione).has_value();
}
