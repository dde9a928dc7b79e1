#include "calcoli/scrittura_testi.h"

#include "modelli/testo_breve.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

// The double nearest the value rounded to that many significant digits.
double Arrotonda(double valore, int cifre) {
    if (cifre <= 0 || cifre >= CIFRE_MASSIME || !std::isfinite(valore)) {
        return valore;
    }
    std::array<char, 48> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), valore,
                                    std::chars_format::scientific, cifre - 1)
                          .ptr;
    double arrotondato = valore;
    std::from_chars(testo.data(), fine, arrotondato);
    return arrotondato;
}

} // namespace

void AggiungiNumero(std::string& uscita, double valore) {
    AggiungiTestoBreve(uscita, valore);
}

void AggiungiNumeroInForma(std::string& uscita, double valore, FormaNumeri forma) {
    const size_t inizio = uscita.size();
    AggiungiTestoBreve(uscita, Arrotonda(valore, forma.cifre));
    const size_t punto = uscita.find('.', inizio);
    if (forma.virgola && punto != std::string::npos) {
        uscita[punto] = ',';
    }
}

void AggiungiNumeroVirgola(std::string& uscita, double valore) {
    AggiungiNumeroInForma(uscita, valore, FormaNumeri{0, true});
}

void AggiungiNumeri(std::string& uscita, std::span<const double> valori,
                    std::string_view separatore, FormaNumeri forma) {
    for (size_t i = 0; i < valori.size(); ++i) {
        uscita += i > 0 ? separatore : "";
        AggiungiNumeroInForma(uscita, valori[i], forma);
    }
}

void AggiungiNumeroFisso(std::string& uscita, double valore) {
    // The fixed form of the largest double has 309 digits.
    std::array<char, 400> testo{};
    const auto fine =
        std::to_chars(testo.data(), testo.data() + testo.size(), valore, std::chars_format::fixed)
            .ptr;
    uscita.append(testo.data(), fine);
}

void AggiungiNumeroLeggibile(std::string& uscita, double valore) {
    constexpr double MINIMO_FISSO = 1e-4;
    constexpr double MASSIMO_FISSO = 1e15;
    const double modulo = std::fabs(valore);
    if (valore == 0 || (modulo >= MINIMO_FISSO && modulo < MASSIMO_FISSO)) {
        AggiungiNumeroFisso(uscita, valore);
    } else {
        AggiungiNumero(uscita, valore);
    }
}

void AggiungiIntero(std::string& uscita, long valore) {
    std::array<char, 24> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), valore).ptr;
    uscita.append(testo.data(), fine);
}

void AggiungiOggettoJson(std::string& uscita, std::span<const CampoJson> campi, FormaNumeri forma) {
    forma.virgola = false;
    uscita += '{';
    for (size_t i = 0; i < campi.size(); ++i) {
        if (i > 0) {
            uscita += ", ";
        }
        AggiungiTestoJson(uscita, campi[i].nome);
        uscita += ": ";
        AggiungiNumeroInForma(uscita, campi[i].valore, forma);
    }
    uscita += '}';
}

void AggiungiElementoJson(std::string& uscita, std::span<const CampoJson> campi, bool primo,
                          FormaNumeri forma) {
    uscita += primo ? "[\n  " : ",\n  ";
    AggiungiOggettoJson(uscita, campi, forma);
}

void ChiudiArrayJson(std::string& uscita, bool vuoto) {
    uscita += vuoto ? "[]\n" : "\n]\n";
}

void AggiungiTestoJson(std::string& uscita, std::string_view testo) {
    uscita += '"';
    for (const char c : testo) {
        if (c == '"' || c == '\\') {
            uscita += '\\';
            uscita += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr std::string_view CIFRE = "0123456789abcdef";
            uscita += "\\u00";
            uscita += CIFRE[static_cast<unsigned char>(c) >> 4];
            uscita += CIFRE[static_cast<unsigned char>(c) & 0xf];
        } else {
            uscita += c;
        }
    }
    uscita += '"';
}
