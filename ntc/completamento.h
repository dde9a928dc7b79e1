#pragma once

#include <span>
#include <string>
#include <string_view>

// What the shell's completion asks: brevanto-ntc --completamento [SOTTOCOMANDO [PRECEDENTE]].
inline constexpr std::string_view COMPLETAMENTO = "--completamento";

// The words that may come next, one a line: the subcommands (also after "help"); a
// subcommand's options; the values an option takes from a fixed list (--formato, --modello,
// --verso, --riscaldatore); or "@file" after an option that takes a file. Nothing after an
// option that takes a number. Made from the same tables the command reads, so the completion
// offers what it takes.
std::string ParoleCompletamento(std::span<const std::string_view> parole);
