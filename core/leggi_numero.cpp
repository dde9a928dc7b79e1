#include "core/cifre_decimali.h"
#include "core/testi_numerici.h"

#include <cfloat>

namespace {

bool Ignorato(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

} // namespace

std::optional<double> LeggiNumero(std::string_view testo) {
    std::string pulito;
    pulito.reserve(testo.size());
    for (const char c : testo) {
        if (!Ignorato(c)) {
            pulito.push_back(c);
        }
    }
    const std::string_view t(pulito);
    size_t i = 0;

    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }
    const size_t inizioIntera = i;
    while (i < t.size() && CifraAscii(t[i])) {
        ++i;
    }
    const std::string_view intera = t.substr(inizioIntera, i - inizioIntera);
    std::string_view frazione;
    if (i < t.size() && t[i] == '.') {
        const size_t inizio = ++i;
        while (i < t.size() && CifraAscii(t[i])) {
            ++i;
        }
        frazione = t.substr(inizio, i - inizio);
    }
    if (intera.empty() && frazione.empty()) {
        return 0.0;
    }

    // An exponent counts only when complete: "1E" and "1E+" read 1.
    bool esponenteNegativo = false;
    std::string_view esponente;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
            esponenteNegativo = t[j] == '-';
            ++j;
        }
        const size_t inizio = j;
        while (j < t.size() && CifraAscii(t[j])) {
            ++j;
        }
        esponente = t.substr(inizio, j - inizio);
    }

    const LetturaCifre lettura =
        ConvertiCifre(negativo, intera, frazione, esponenteNegativo, esponente);
    switch (lettura.esito) {
    case EsitoCifre::Valore:
        return lettura.valore;
    case EsitoCifre::OltreDiPoco:
        // The largest doubles are written "1.79769313486232E+308", just past the range;
        // reading that back as the largest double keeps every saved value loadable.
        return negativo ? -DBL_MAX : DBL_MAX;
    case EsitoCifre::Overflow:
        break;
    }
    return std::nullopt;
}
