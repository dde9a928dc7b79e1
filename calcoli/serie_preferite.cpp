#include "calcoli/serie_preferite.h"

#include <cmath>
#include <cstddef>

namespace {

// E24 and E96 as the standard lists them: E24 keeps the older rounded values (2.7, 3.3,
// 4.7, ...) that no formula gives. E12 and E48 are every other value of these.
constexpr std::array<int, 24> E24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                  330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 96> E96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

template <std::size_t N>
constexpr std::array<int, N / 2> UnoSuDue(const std::array<int, N>& tutti) {
    std::array<int, N / 2> meta{};
    for (std::size_t i = 0; i < meta.size(); ++i) {
        meta[i] = tutti[2 * i];
    }
    return meta;
}

constexpr std::array E12 = UnoSuDue(E24);
constexpr std::array E48 = UnoSuDue(E96);

constexpr int CENTESIMI = 2; // the decade's values are in hundredths

// valore × 10^esponente, the double nearest the decimal value: powers of ten are exact as
// doubles up to 10^22, and one rounded multiplication or division keeps that.
double Scala(int valore, int esponente) {
    const double potenza = std::pow(10.0, std::abs(esponente));
    return esponente >= 0 ? valore * potenza : valore / potenza;
}

} // namespace

std::string_view NomeSerie(SeriePreferita serie) {
    switch (serie) {
    case SeriePreferita::E12:
        return "E12";
    case SeriePreferita::E24:
        return "E24";
    case SeriePreferita::E48:
        return "E48";
    case SeriePreferita::E96:
        return "E96";
    }
    return {};
}

std::optional<SeriePreferita> SerieDaNome(std::string_view nome) {
    for (const SeriePreferita serie : TUTTE_LE_SERIE) {
        if (NomeSerie(serie) == nome) {
            return serie;
        }
    }
    return std::nullopt;
}

std::span<const int> DecadeSerie(SeriePreferita serie) {
    switch (serie) {
    case SeriePreferita::E12:
        return E12;
    case SeriePreferita::E24:
        return E24;
    case SeriePreferita::E48:
        return E48;
    case SeriePreferita::E96:
        return E96;
    }
    return {};
}

std::vector<double> ValoriSerie(SeriePreferita serie, double minimo, double massimo) {
    const auto decade = DecadeSerie(serie);
    const int prima = static_cast<int>(std::floor(std::log10(minimo)));
    const int ultima = static_cast<int>(std::floor(std::log10(massimo)));
    std::vector<double> valori;
    valori.reserve(static_cast<std::size_t>(ultima - prima + 1) * decade.size() + 1);
    for (int d = prima; d <= ultima; ++d) {
        for (const int valore : decade) {
            valori.push_back(Scala(valore, d - CENTESIMI));
        }
    }
    valori.push_back(Scala(decade.front(), ultima + 1 - CENTESIMI));
    return valori;
}
