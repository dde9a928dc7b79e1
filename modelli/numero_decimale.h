#pragma once

#include <optional>
#include <string_view>

// The whole text as a finite number in the C locale's form ("-1.5e3", a leading "+" too),
// times 10^potenzaDieci, rounded once from the decimal: "4.7" at 3 is exactly 4700 and
// "32.6" at 3 exactly 32600, where multiplying the doubles could miss by a rounding.
// Empty when the text is not one such number or the result is not finite.
std::optional<double> LeggiDecimale(std::string_view testo, int potenzaDieci = 0);
