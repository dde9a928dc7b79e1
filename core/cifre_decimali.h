#pragma once

#include <string>
#include <string_view>

// Shared digit work of the number-text rules; not part of the core's interface.

// An ASCII digit: the number texts take no other digits, whatever the locale.
inline bool CifraAscii(char c) {
    return c >= '0' && c <= '9';
}

// The magnitude of a finite, non-zero double rounded to 15 significant digits, ties to
// even: value = cifre[0].cifre[1..] × 10^esponente, trailing zeros removed.
struct QuindiciCifre {
    std::string cifre;
    int esponente = 0;
};
QuindiciCifre ArrotondaQuindiciCifre(double grandezza);

// The text for a value that is not finite ("inf", "-inf", "nan"); such values never come
// from the program's own readings, but a text rule must not break on them.
std::string TestoNonFinito(double valore);

// Result of turning scanned digits into a double.
// OltreDiPoco: beyond the largest double, but not beyond its 15-digit text
// "1.79769313486232E+308".
enum class EsitoCifre { Valore, OltreDiPoco, Overflow };
struct LetturaCifre {
    EsitoCifre esito = EsitoCifre::Valore;
    double valore = 0;
};

// Turns a scanned number (ASCII digits, "." as the point, exponent digits with their
// sign) into the nearest double. Underflow gives 0 or a subnormal, overflow is reported.
LetturaCifre ConvertiCifre(bool negativo, std::string_view intera, std::string_view frazione,
                           bool esponenteNegativo, std::string_view esponente);
