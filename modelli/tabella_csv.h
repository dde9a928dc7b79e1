#pragma once

#include "modelli/punto_rt.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A table is refused beyond this size: a maker's table has a few hundred rows, and one row
// every 0.01 K from −55 to 300 °C is under 1 MiB.
inline constexpr std::uintmax_t MASSIMO_BYTE_TABELLA = std::uintmax_t{8} << 20;
// A longer line is a bad row, and is not held beyond this.
inline constexpr std::size_t MASSIMA_LUNGHEZZA_RIGA = 4096;
// The bad rows a reading keeps; the others are only counted.
inline constexpr std::size_t ERRORI_RIGA_TENUTI = 10;

struct ErroreRiga {
    std::size_t riga = 0; // 1-based line number
    std::string motivo;   // Italian
};

struct TabellaLetta {
    std::vector<PuntoRT> righe; // the good rows, in file order, resistances in ohm
    // The first ERRORI_RIGA_TENUTI bad rows, and how many there are in all.
    std::vector<ErroreRiga> errori;
    std::size_t righeErrate = 0;
    // Set when the table could not be read at all (then righe and errori are empty).
    std::string erroreFile;
};

// How a list of the kept bad rows ends when there were more: "e altre 5 righe", "e
// un'altra riga"; empty when errori holds them all.
std::string TestoAltreRighe(const TabellaLetta& tabella);

// One row per line: °C then the resistance, separated by ",", ";" or a tab; a field may
// be quoted ("25","10000", with "" for a quote inside it). With ";" or a tab as the
// separator a decimal comma is read. Lines beginning with "#" and blank lines are skipped.
// A first line that does not begin with a number is the header, whose units are read: a
// resistance column in kΩ or kohm is scaled by 1000, one in MΩ or Mohm by 10⁶, one in Ω,
// ohm or without a unit is read as ohm; any other unit there (mΩ, R/R25), a temperature
// column in K or °F and swapped columns refuse the whole table. Any other line is a bad
// row, reported and never guessed at. A text over MASSIMO_BYTE_TABELLA is refused.
TabellaLetta LeggiTabellaCSV(std::string_view testo);

// The same for a file, read piece by piece, never held whole, so a pipe (bash's <(...))
// works too; a folder or a device is refused as such, as is a file over
// MASSIMO_BYTE_TABELLA, before it is read. Its erroreFile begins with the path.
TabellaLetta LeggiFileTabellaCSV(const std::filesystem::path& percorso);
