#pragma once

#include "core/testi_numerici.h"

#include <string>
#include <vector>

// How a calculator reads a number. Each one has its own notation for the sign and the
// exponent, and some have none, so the value is built there with exact operations.
enum class ModoScrittura {
    Testo,      // on the command line, with an E exponent: qalculate
    Apice,      // on the command line, "×10" and a superscript exponent: gnome-calculator
    MateCalc,   // typed: Ctrl+E starts the exponent, which the calculator shows raised
    Xcalc,      // typed on the keypad: "n" negates, the exponent is × or ÷ 10^n
    Galculator, // typed: no sign or exponent key, so 0 − x and × or ÷ by 10…0, then =
};

// One key: a character as itself, or the numeric keypad's key for a digit, ".", "*" or
// "/"; "\r" is Enter, "\x1b" Escape and "\x7f" Delete. A key the calculator takes without
// showing anything is muto: the key after it, once shown, tells that both were taken.
struct Tasto {
    char32_t carattere = 0;
    bool tastierino = false;
    bool controllo = false;
    bool muto = false;

    bool operator==(const Tasto&) const = default;
};

// The number as the calculator takes it on its command line, the decimal separator the
// region's, as the calculator shares the region.
std::string ScriviPerArgomento(const NumeroScomposto& numero, ModoScrittura modo,
                               const std::string& decimale);

// The keys that make the calculator show the number.
std::vector<Tasto> TastiPer(const NumeroScomposto& numero, ModoScrittura modo);

// The calculator's own keys that clear its display and any operation under way, so that a
// number typed only in part is not left behind as if it were the one sent.
std::vector<Tasto> TastiAzzeramento(ModoScrittura modo);
