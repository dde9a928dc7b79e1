#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The INI rules of our private-profile service on a file's text held in memory (8-bit, as
// DecodificaTesto gives it): names matched without regard to ASCII case, blanks around
// names and values ignored, one pair of matching quotes around a value removed, lines
// starting with ";" ignored, CR LF, LF and CR all ending a line. Of duplicate sections or
// keys the first counts.

struct VoceProfilo {
    std::string sezione;
    std::string chiave;
    std::string valore;
};

// The key's value in the section, whole; empty when the section or the key is missing.
std::optional<std::string> TrovaValoreProfilo(std::string_view testo, std::string_view sezione,
                                              std::string_view chiave);

// Whether the entry can be written without changing the meaning of other lines: no line
// breaks or NUL, no blanks around names, no "=" in a key, no brackets in a section name.
bool VoceScrivibile(const VoceProfilo& voce);

// The text with the entries set: a key's first line in the first section of its name is
// replaced in place (keeping that line's own line end), a missing key is added after the
// last non-blank line of its section, a missing section is added at the end. Added lines
// end as the file's first line does, CR LF in a file without any. Every other byte is kept.
// Of an entry given twice the last value counts.
std::string ImpostaVociProfilo(std::string_view testo, std::span<const VoceProfilo> voci);
