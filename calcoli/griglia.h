#pragma once

#include <string>
#include <string_view>
#include <variant>

// The temperatures of a table from da to a in steps of passo. Written in decimals, each
// one is the double nearest its decimal value (-55 + 35500 × 0.01 is exactly the 300
// typed, not 299.99999999999994): the grid is counted in integers and divided once.
struct Griglia {
    double inizio = 0;
    double salto = 0;
    double scala = 1;
    long righe = 0;

    double Temperatura(long i) const { return (inizio + static_cast<double>(i) * salto) / scala; }
};

// Enough for any table a firmware or a spreadsheet holds, and a bound on the memory a
// mistyped step can ask for.
inline constexpr long RIGHE_MASSIME = 1'000'000;

// Why there is no grid.
enum class ErroreGriglia { PassoNullo, VersoOpposto, TroppeRighe };

// The same in Italian, for the user.
std::string TestoErroreGriglia(ErroreGriglia errore);

// A number as typed, and its value: the text gives the decimals the grid counts in.
struct NumeroScritto {
    double valore = 0;
    std::string_view testo;
};

std::variant<Griglia, ErroreGriglia> CalcolaGriglia(NumeroScritto da, NumeroScritto a,
                                                    NumeroScritto passo);
