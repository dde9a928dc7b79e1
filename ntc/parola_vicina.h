#pragma once

#include <optional>
#include <span>
#include <string_view>

// The known word a mistyped one most likely meant, for "forse --beta?": the nearest by
// edits (a letter added, dropped, changed or two swapped), when it is near enough for its
// length, or the only one the word begins; empty when none is.
std::optional<std::string_view> ParolaVicina(std::string_view parola,
                                             std::span<const std::string_view> note);
