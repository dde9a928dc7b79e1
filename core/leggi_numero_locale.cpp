#include "core/cifre_decimali.h"
#include "core/testi_numerici.h"

namespace {

bool IniziaCon(std::string_view testo, size_t da, std::string_view parola) {
    return !parola.empty() && testo.substr(da).starts_with(parola);
}

} // namespace

std::optional<NumeroScomposto> ScomponiNumeroLocale(std::string_view t, const Regione& regione) {
    NumeroScomposto numero;
    size_t i = 0;
    while (i < t.size() && t[i] == ' ') {
        ++i;
    }
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        numero.negativo = t[i] == '-';
        ++i;
    }

    // Grouping characters are skipped anywhere after the first integer digit.
    std::string& intera = numero.intera;
    while (i < t.size()) {
        if (CifraAscii(t[i])) {
            intera.push_back(t[i]);
            ++i;
        } else if (!intera.empty() && !IniziaCon(t, i, regione.decimale) &&
                   IniziaCon(t, i, regione.migliaia)) {
            i += regione.migliaia.size();
        } else {
            break;
        }
    }
    if (IniziaCon(t, i, regione.decimale)) {
        i += regione.decimale.size();
        const size_t inizio = i;
        while (i < t.size() && CifraAscii(t[i])) {
            ++i;
        }
        numero.frazione = t.substr(inizio, i - inizio);
    }
    if (intera.empty() && numero.frazione.empty()) {
        return std::nullopt;
    }

    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            numero.esponenteNegativo = t[i] == '-';
            ++i;
        }
        const size_t inizio = i;
        while (i < t.size() && CifraAscii(t[i])) {
            ++i;
        }
        numero.esponente = t.substr(inizio, i - inizio);
        if (numero.esponente.empty()) {
            return std::nullopt;
        }
    }
    while (i < t.size() && t[i] == ' ') {
        ++i;
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    return numero;
}

std::optional<double> LeggiNumeroLocale(std::string_view t, const Regione& regione) {
    const std::optional<NumeroScomposto> numero = ScomponiNumeroLocale(t, regione);
    if (!numero) {
        return std::nullopt;
    }
    const LetturaCifre lettura = ConvertiCifre(numero->negativo, numero->intera, numero->frazione,
                                               numero->esponenteNegativo, numero->esponente);
    if (lettura.esito != EsitoCifre::Valore) {
        return std::nullopt;
    }
    return lettura.valore;
}

bool EUnNumeroLocale(std::string_view testo, const Regione& regione) {
    return LeggiNumeroLocale(testo, regione).has_value();
}
