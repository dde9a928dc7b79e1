#pragma once

#include <string>
#include <string_view>

// The --help text of the program, or of a subcommand ("" for the program).
std::string TestoAiuto(std::string_view sottocomando);

// The word that asks for help as a subcommand: "help" or "help SOTTOCOMANDO".
inline constexpr std::string_view AIUTO = "help";
