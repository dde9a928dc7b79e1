#pragma once

// The table formats, one entry each: what brevanto-ntc tabella --formato and the curve
// window's exports write. A format writes either row by row (ScriviTesta, ScriviRiga,
// ScriviCoda), so that a long table never sits whole in memory, or whole (Scrivi); every
// format has NOME, ESTENSIONE, DESCRIZIONE (for a file dialog's filter) and BIT (the ADC
// bits it is read with, when it fixes them).
#include "calcoli/formato_c.h"
#include "calcoli/formato_csv.h"
#include "calcoli/formato_esphome.h"
#include "calcoli/formato_json.h"
#include "calcoli/formato_klipper.h"
#include "calcoli/formato_marlin.h"

#include <array>
#include <optional>
#include <string_view>
#include <variant>

using FormatoTabella =
    std::variant<FormatoCsv, FormatoJson, FormatoC, FormatoMarlin, FormatoKlipper, FormatoEsphome>;

inline constexpr std::size_t NUMERO_FORMATI = std::variant_size_v<FormatoTabella>;

// Every format, in the variant's order.
std::array<FormatoTabella, NUMERO_FORMATI> TuttiIFormati();

// The format named on the command line ("csv", "marlin", ...); empty if unknown.
std::optional<FormatoTabella> FormatoDaNome(std::string_view nome);

std::string_view NomeFormato(const FormatoTabella& formato);
std::string_view EstensioneFormato(const FormatoTabella& formato);
std::string_view DescrizioneFormato(const FormatoTabella& formato);
// The ADC bits the format is read with, when it fixes them (Marlin: 10).
std::optional<int> BitFormato(const FormatoTabella& formato);
