#pragma once

#include "testo_profilo.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string_view>

// Our private-profile service: one INI file read or written per call, no handle kept.

// Copies the key's value, or the default when the file, the section or the key is missing,
// into the buffer as a NUL-terminated string of at most buffer size - 1 characters, and
// returns the number of characters copied (the NUL not counted).
std::size_t LeggiStringaProfilo(std::string_view sezione, std::string_view chiave,
                                std::string_view predefinito, std::span<char> buffer,
                                const std::filesystem::path& file);

// Stores the keys in the section in one atomic replacement of the file, creating file and
// section as needed and keeping the rest of the file; false, with the file as it was, when
// the file cannot be read or written or a name or value cannot be written.
bool ScriviVociProfilo(const std::filesystem::path& file, std::string_view sezione,
                       std::span<const VoceProfilo> voci);
