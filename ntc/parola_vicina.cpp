#include "ntc/parola_vicina.h"

#include <algorithm>
#include <vector>

namespace {

char Minuscola(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edits from a to b, a swap of neighbours counting as one; case is not a difference.
std::size_t Distanza(std::string_view a, std::string_view b) {
    const std::size_t colonne = b.size() + 1;
    std::vector<std::size_t> d((a.size() + 1) * colonne);
    const auto cella = [&](std::size_t i, std::size_t j) -> std::size_t& {
        return d[i * colonne + j];
    };
    for (std::size_t i = 0; i <= a.size(); ++i) {
        cella(i, 0) = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        cella(0, j) = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t diversa = Minuscola(a[i - 1]) == Minuscola(b[j - 1]) ? 0 : 1;
            cella(i, j) =
                std::min({cella(i - 1, j) + 1, cella(i, j - 1) + 1, cella(i - 1, j - 1) + diversa});
            if (i > 1 && j > 1 && Minuscola(a[i - 1]) == Minuscola(b[j - 2]) &&
                Minuscola(a[i - 2]) == Minuscola(b[j - 1])) {
                cella(i, j) = std::min(cella(i, j), cella(i - 2, j - 2) + 1);
            }
        }
    }
    return cella(a.size(), b.size());
}

} // namespace

std::optional<std::string_view> ParolaVicina(std::string_view parola,
                                             std::span<const std::string_view> note) {
    // A third of the word may be wrong, at least one letter of it.
    constexpr std::size_t PARTE = 3;
    const std::size_t ammessa = std::max<std::size_t>(1, parola.size() / PARTE);
    std::optional<std::string_view> migliore;
    std::size_t minima = ammessa + 1;
    for (const std::string_view nota : note) {
        // The lengths alone may rule a word out, and spare a long one's table of edits.
        const std::size_t differenza =
            parola.size() > nota.size() ? parola.size() - nota.size() : nota.size() - parola.size();
        if (differenza > ammessa) {
            continue;
        }
        const std::size_t distanza = Distanza(parola, nota);
        if (distanza < minima) {
            minima = distanza;
            migliore = nota;
        }
    }
    if (migliore) {
        return migliore;
    }
    // "--part" for --partitore: a beginning long enough to mean one word.
    constexpr std::size_t INIZIO_MINIMO = 3;
    std::optional<std::string_view> unica;
    for (const std::string_view nota : note) {
        if (parola.size() >= INIZIO_MINIMO && nota.starts_with(parola)) {
            if (unica) {
                return std::nullopt;
            }
            unica = nota;
        }
    }
    return unica;
}
