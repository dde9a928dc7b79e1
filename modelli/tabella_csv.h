#pragma once

#include "modelli/punto_rt.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct ErroreRiga {
    std::size_t riga = 0; // 1-based line number
    std::string motivo;   // Italian
};

struct TabellaLetta {
    std::vector<PuntoRT> righe; // the good rows, in file order
    std::vector<ErroreRiga> errori;
    // Set when the file could not be read at all (then righe and errori are empty).
    std::string erroreFile;
};

// One row per line: °C then ohm, separated by ",", ";" or a tab. Lines beginning with
// "#", blank lines and a first line that does not begin with a number are skipped; with
// ";" or a tab as the separator a decimal comma is read. Any other line is a bad row,
// reported and never guessed at.
TabellaLetta LeggiTabellaCSV(std::string_view testo);

// The same for a file.
TabellaLetta LeggiFileTabellaCSV(const std::filesystem::path& percorso);
