#include "modelli/testo_breve.h"

#include <array>
#include <charconv>

namespace {

// The longest shortest form: "-2.2250738585072014e-308" is 24 characters.
constexpr std::size_t MASSIMO = 32;

} // namespace

std::string TestoBreve(double valore) {
    std::string testo;
    AggiungiTestoBreve(testo, valore);
    return testo;
}

void AggiungiTestoBreve(std::string& destinazione, double valore) {
    std::array<char, MASSIMO> cifre{};
    const auto esito = std::to_chars(cifre.data(), cifre.data() + cifre.size(), valore);
    destinazione.append(cifre.data(), esito.ptr);
}
