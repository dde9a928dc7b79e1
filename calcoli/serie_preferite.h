#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The preferred numbers resistors are made in (IEC 60063): E12 and E24 for ±10 % and
// ±5 % parts, E48 and E96 for ±2 % and ±1 %.
enum class SeriePreferita { E12, E24, E48, E96 };

inline constexpr std::array TUTTE_LE_SERIE{SeriePreferita::E12, SeriePreferita::E24,
                                           SeriePreferita::E48, SeriePreferita::E96};

std::string_view NomeSerie(SeriePreferita serie);
std::optional<SeriePreferita> SerieDaNome(std::string_view nome);

// One decade of the series in hundredths of its first value: 100, 120, 150, ... for E12.
std::span<const int> DecadeSerie(SeriePreferita serie);

// The series' values in every decade from the one holding minimo to the one holding
// massimo, and the first value of the next, so that a resistance near a decade's top
// still has its neighbour above; rising, each the double nearest its decimal value.
std::vector<double> ValoriSerie(SeriePreferita serie, double minimo, double massimo);
