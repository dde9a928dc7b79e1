#pragma once

#include <optional>
#include <string>
#include <string_view>

// A profile file's bytes as the 8-bit text the INI rules work on, and back. A file that
// starts with a UTF-16 byte-order mark (what Windows editors save as "Unicode") is read as
// UTF-8; everything else is taken byte for byte.

enum class Codifica { Byte, Utf16LE, Utf16BE };

struct TestoDecodificato {
    Codifica codifica = Codifica::Byte;
    // Without the UTF-16 mark. A lone surrogate becomes its own three bytes, so that every
    // UTF-16 file, well-formed or not, is written back exactly as it was read.
    std::string testo;
    // The odd last byte of a UTF-16 file, which is no code unit and is kept as it stands.
    std::string coda;
};

TestoDecodificato DecodificaTesto(std::string_view byte);

// The bytes of the text in the given encoding; empty when a UTF-16 file would receive
// bytes that are not UTF-8.
std::optional<std::string> CodificaTesto(const TestoDecodificato& testo);
