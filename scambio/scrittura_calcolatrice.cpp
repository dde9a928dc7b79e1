#include "scambio/scrittura_calcolatrice.h"

#include <algorithm>

namespace {

// galculator's display holds 12 digits, so its powers of ten go in steps of 10^10.
constexpr size_t PASSO_GALCULATOR = 10;

// The exponent without its leading zeros; empty when the number has none or it is 0.
std::string Esponente(const NumeroScomposto& numero) {
    const size_t primo = numero.esponente.find_first_not_of('0');
    return primo == std::string::npos ? std::string() : numero.esponente.substr(primo);
}

// The digits before the exponent as shown, with a 0 before a bare decimal point.
std::string Mantissa(const NumeroScomposto& numero, const std::string& decimale) {
    std::string testo = numero.intera.empty() ? "0" : numero.intera;
    if (!numero.frazione.empty()) {
        testo += decimale + numero.frazione;
    }
    return testo;
}

std::string InApice(const std::string& cifre, bool negativo) {
    static const char* const APICI[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string testo = negativo ? "⁻" : "";
    for (const char c : cifre) {
        testo += APICI[c - '0'];
    }
    return testo;
}

void Aggiungi(std::vector<Tasto>& tasti, const std::string& testo, bool tastierino,
              bool muto = false) {
    for (const char c : testo) {
        tasti.push_back(
            {.carattere = static_cast<char32_t>(c), .tastierino = tastierino, .muto = muto});
    }
}

} // namespace

std::string ScriviPerArgomento(const NumeroScomposto& numero, ModoScrittura modo,
                               const std::string& decimale) {
    std::string testo = (numero.negativo ? "-" : "") + Mantissa(numero, decimale);
    const std::string esponente = Esponente(numero);
    if (esponente.empty()) {
        return testo;
    }
    if (modo == ModoScrittura::Apice) {
        return testo + "×10" + InApice(esponente, numero.esponenteNegativo);
    }
    return testo + (numero.esponenteNegativo ? "E-" : "E+") + esponente;
}

std::vector<Tasto> TastiPer(const NumeroScomposto& numero, ModoScrittura modo) {
    const std::string mantissa = Mantissa(numero, ".");
    const std::string esponente = Esponente(numero);
    std::vector<Tasto> tasti;
    switch (modo) {
    case ModoScrittura::Testo:
    case ModoScrittura::Apice:
        break;
    case ModoScrittura::MateCalc:
        Aggiungi(tasti, numero.negativo ? "-" : "", false);
        // The keypad's point is the calculator's decimal separator in every region.
        Aggiungi(tasti, mantissa, true);
        if (!esponente.empty()) {
            tasti.push_back({.carattere = U'e', .controllo = true});
            Aggiungi(tasti, (numero.esponenteNegativo ? "-" : "") + esponente, false);
        }
        break;
    case ModoScrittura::Xcalc:
        // Its main-row digits are bound to no modifier at all, so they fail under Num Lock.
        Aggiungi(tasti, mantissa, true);
        Aggiungi(tasti, numero.negativo ? "n" : "", false);
        if (!esponente.empty()) {
            // Dividing by the exact power, not multiplying by its inexact inverse. Its display
            // does not change for an operator.
            Aggiungi(tasti, numero.esponenteNegativo ? "/" : "*", true, true);
            Aggiungi(tasti, "10", true);
            Aggiungi(tasti, "^", false, true);
            Aggiungi(tasti, esponente, true);
            Aggiungi(tasti, "\r", false);
        }
        break;
    case ModoScrittura::Galculator: {
        // No double has an exponent of four digits; such a text is not typed at all.
        if (esponente.size() > 3) {
            return {};
        }
        Aggiungi(tasti, (numero.negativo ? "0-" : "") + mantissa, false);
        size_t resto = esponente.empty() ? 0 : std::stoul(esponente);
        while (resto > 0) {
            const size_t passo = std::min(resto, PASSO_GALCULATOR);
            Aggiungi(tasti, (numero.esponenteNegativo ? "/1" : "*1") + std::string(passo, '0'),
                     false);
            resto -= passo;
        }
        if (numero.negativo || !esponente.empty()) {
            Aggiungi(tasti, "\r", false);
        }
        break;
    }
    }
    return tasti;
}

std::vector<Tasto> TastiAzzeramento(ModoScrittura modo) {
    switch (modo) {
    case ModoScrittura::Testo:
    case ModoScrittura::Apice:
        break;
    case ModoScrittura::MateCalc:
    case ModoScrittura::Galculator:
        return {{.carattere = U'\x1b'}};
    case ModoScrittura::Xcalc:
        // Its clear key empties the display; pressed again, it drops the pending operation.
        return {{.carattere = U'\x7f'}, {.carattere = U'\x7f'}};
    }
    return {};
}
