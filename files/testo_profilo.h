#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The INI text rules of our private-profile service, on a file's bytes held in memory.

struct VoceProfilo {
    std::string chiave;
    std::string valore;
};

// The value of the key in the section, as the service reads it: names matched without
// regard to case, blanks around names and values ignored, one pair of matching quotes
// removed, the first of duplicate sections or keys taken; empty when either is missing.
std::optional<std::string> TrovaValoreProfilo(std::string_view contenuto, std::string_view sezione,
                                              std::string_view chiave);

// Whether the section, key and value can be written without changing the meaning of
// other lines: no line breaks or NUL, no blanks around names, no "=" in a key.
bool VoceScrivibile(std::string_view sezione, const VoceProfilo& voce);

// The content with the keys set in the section: a key's first line replaced in place, a
// missing key added after the last non-blank line of the section, a missing section added
// at the end. Lines written end in CR LF; every other byte is kept.
std::string ImpostaVociProfilo(std::string_view contenuto, std::string_view sezione,
                               std::span<const VoceProfilo> voci);
