#include "calcoli/scrittura_testi.h"

#include "modelli/testo_breve.h"

#include <array>
#include <charconv>
#include <cmath>

void AggiungiNumero(std::string& uscita, double valore) {
    AggiungiTestoBreve(uscita, valore);
}

void AggiungiNumeroVirgola(std::string& uscita, double valore) {
    const size_t inizio = uscita.size();
    AggiungiNumero(uscita, valore);
    const size_t punto = uscita.find('.', inizio);
    if (punto != std::string::npos) {
        uscita[punto] = ',';
    }
}

void AggiungiNumeri(std::string& uscita, std::span<const double> valori,
                    std::string_view separatore) {
    for (size_t i = 0; i < valori.size(); ++i) {
        uscita += i > 0 ? separatore : "";
        AggiungiNumero(uscita, valori[i]);
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

void AggiungiOggettoJson(std::string& uscita, std::span<const CampoJson> campi) {
    uscita += '{';
    for (size_t i = 0; i < campi.size(); ++i) {
        if (i > 0) {
            uscita += ", ";
        }
        AggiungiTestoJson(uscita, campi[i].nome);
        uscita += ": ";
        AggiungiNumero(uscita, campi[i].valore);
    }
    uscita += '}';
}

void AggiungiElementoJson(std::string& uscita, std::span<const CampoJson> campi, bool primo) {
    uscita += primo ? "[\n  " : ",\n  ";
    AggiungiOggettoJson(uscita, campi);
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
