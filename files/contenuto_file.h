#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Whole-file reading and replacing for the parameter files. A parameter file is a few
// dozen bytes; anything beyond this bound is not one and is neither read nor rewritten.
inline constexpr std::uintmax_t DIMENSIONE_MASSIMA_FILE = std::uintmax_t{64} * 1024U * 1024U;

enum class StatoLettura { Letto, Assente, Errore };

struct ContenutoFile {
    StatoLettura stato = StatoLettura::Errore;
    std::string testo;
};

// The file's bytes; Assente when nothing is there, Errore for a folder, a file that cannot
// be read, or one beyond DIMENSIONE_MASSIMA_FILE.
ContenutoFile LeggiContenutoFile(const std::filesystem::path& file);

// Replaces the file's content as one step: the new bytes go to NomeTemporaneo(file) in the
// same folder, reach the disk, and then take the file's place by rename, with the file's
// permissions. At any moment the file holds the old content or the new one. Fails, leaving
// the file as it was, when it is marked read-only or its folder cannot be written.
bool SostituisciContenutoFile(const std::filesystem::path& file, std::string_view contenuto);

// The one temporary name used for the file. Being fixed, a temporary left behind by a
// process killed in the middle of a save is reused and removed by the next save of that
// file instead of piling up.
std::filesystem::path NomeTemporaneo(const std::filesystem::path& file);
