#pragma once

// Our private-profile service: INI files such as the .ntc parameter files, read whole and
// saved in one turn, with the standard library and POSIX only.
//
// Reading: a whole file at once, then any value of it.
//
//     const LetturaProfilo letto = LeggiFileProfilo("sonda.ntc");
//     if (letto.stato == StatoLettura::Letto) {
//         const std::optional<std::string> r0 = letto.profilo.Valore("NTC", "R0");
//     }
//
// Saving: several keys of several sections in one read-change-write under the folder's
// lock; every other byte of the file stays as it was.
//
//     const VoceProfilo voci[] = {{"NTC", "R0", "10000"}, {"NTC", "B", "3950"},
//                                 {"Steinhart-Hart", "A", "1.1E-3"}};
//     if (!ScriviVociProfilo("sonda.ntc", voci)) { /* the file is as it was */ }
//
// The file rules are in testo_profilo.h, what a save guarantees in salvataggio.h.

#include "profilo/salvataggio.h"
#include "profilo/testo_profilo.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A value is read as at most this many bytes, and up to a NUL byte: the rule of the
// platform's service with its customary 255-byte buffer.
inline constexpr std::size_t LUNGHEZZA_MASSIMA_VALORE = 254;

// A profile file's content, read once.
class Profilo {
public:
    Profilo() = default;
    // The file's bytes, in any encoding DecodificaTesto reads.
    explicit Profilo(std::string_view byte);

    // The key's value in the section; empty when the section or the key is missing.
    std::optional<std::string> Valore(std::string_view sezione, std::string_view chiave) const;

private:
    std::string testo_;
};

struct LetturaProfilo {
    StatoLettura stato = StatoLettura::Errore;
    Profilo profilo; // empty unless the file was read
};

LetturaProfilo LeggiFileProfilo(const std::filesystem::path& file);

// Sets the keys, creating the file and the sections as needed; false, with the file as it
// was, when an entry cannot be written (VoceScrivibile) or the file cannot be saved.
bool ScriviVociProfilo(const std::filesystem::path& file, std::span<const VoceProfilo> voci);
