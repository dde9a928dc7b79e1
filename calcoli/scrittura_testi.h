#pragma once

#include <span>
#include <string>
#include <string_view>

// Numbers and JSON as brevanto-ntc writes them, byte for byte the same in every locale, so
// that the curve window's exports are the command's.

// How numbers are written for reading: rounded to `cifre` significant digits (0: the
// shortest text that reads back to the same double), with a decimal comma for the
// spreadsheets of comma regions (never in JSON).
struct FormaNumeri {
    int cifre = 0;
    bool virgola = false;
};
// Fractions written as percentages: tolerances, losses, α in %/K.
inline constexpr double PERCENTO = 100;

// The most significant digits a double holds.
inline constexpr int CIFRE_MASSIME = 17;

// The shortest text that reads back to the same double ("25", "1e-05").
void AggiungiNumero(std::string& uscita, double valore);
// The same rounded to forma.cifre digits first, so 3261.458135 at 4 digits is "3261" and
// 0.000123456 is "0.0001235": the shortest text of the rounded number.
void AggiungiNumeroInForma(std::string& uscita, double valore, FormaNumeri forma);
// The same with a decimal comma, for the spreadsheets of comma regions.
void AggiungiNumeroVirgola(std::string& uscita, double valore);
// Several numbers, with the separator between them: "1.5,2" or "1.5, 2".
void AggiungiNumeri(std::string& uscita, std::span<const double> valori,
                    std::string_view separatore, FormaNumeri forma = {});
// The same without an exponent ("0.00001"), for readers that take none.
void AggiungiNumeroFisso(std::string& uscita, double valore);
// Without an exponent where that stays short (1e-4 up to 1e15), with one beyond: for
// readers of both kinds, and for people.
void AggiungiNumeroLeggibile(std::string& uscita, double valore);
void AggiungiIntero(std::string& uscita, long valore);

// JSON objects, one a line: {"chiave": numero, ...}. AggiungiOggettoJson writes one
// object of name–value pairs; the array helpers open and close a list of them.
struct CampoJson {
    std::string_view nome;
    double valore = 0;
};
void AggiungiOggettoJson(std::string& uscita, std::span<const CampoJson> campi,
                         FormaNumeri forma = {});
void AggiungiElementoJson(std::string& uscita, std::span<const CampoJson> campi, bool primo,
                          FormaNumeri forma = {});
void ChiudiArrayJson(std::string& uscita, bool vuoto);
// A JSON string with its quotes, escaping what JSON requires.
void AggiungiTestoJson(std::string& uscita, std::string_view testo);
