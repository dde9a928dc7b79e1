#pragma once

#include "core/regione.h"

#include <optional>
#include <string>
#include <string_view>

// Text to number with "." as the only decimal point: the longest leading number,
// blanks anywhere ignored, 0 when there is none. Empty only on overflow.
std::optional<double> LeggiNumero(std::string_view testo);

// Number to text with "." as the decimal point, 15 significant digits, no leading "0"
// before the point; exponent form for very large and very small magnitudes.
std::string NumeroInTesto(double valore);

// The display rule "####0.0##########" with the region's decimal separator.
std::string FormattaNumero(double valore, const Regione& regione);

// A number text in its parts: ASCII digits with no grouping, the decimal point between
// intera and frazione; esponente is empty when the text has none.
struct NumeroScomposto {
    bool negativo = false;
    std::string intera;
    std::string frazione;
    bool esponenteNegativo = false;
    std::string esponente;

    bool operator==(const NumeroScomposto&) const = default;
};

// The parts of a text under the region's rules, whatever its size; empty when the whole
// text is not one number.
std::optional<NumeroScomposto> ScomponiNumeroLocale(std::string_view testo, const Regione& regione);

// Text to number under the region's rules; empty when the whole text is not one number.
std::optional<double> LeggiNumeroLocale(std::string_view testo, const Regione& regione);

// The numeric test: whether LeggiNumeroLocale reads the text.
bool EUnNumeroLocale(std::string_view testo, const Regione& regione);

// The text with every occurrence of the region's decimal separator turned into ".".
std::string ConPuntoDecimale(std::string_view testo, std::string_view decimale);

// The register as a conversion reads it: by LeggiNumeroLocale under the region; under a
// region whose decimal separator is not ".", as if it were "." and there were no grouping.
std::optional<double> LeggiRegistroPerConversione(std::string_view registro,
                                                  const Regione& regione);

// The register as parameter entry and the sign change read it: by LeggiNumero, the
// region's decimal separator counting as ".".
std::optional<double> LeggiRegistro(std::string_view registro, const Regione& regione);

// The nearest single-precision value (ties to even), widened back; empty when it would
// round to infinity.
std::optional<double> RiduciASingola(double valore);
