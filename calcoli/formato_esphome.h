#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/righe_tabella.h"
#include "modelli/modello_ntc.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// ESPHome's ntc sensor on its resistance sensor, on an adc sensor whose pin the user fills
// in: a Beta as ESPHome's own b_constant, any other model as three calibration points.
struct FormatoEsphome {
    static constexpr std::string_view NOME = "esphome";
    static constexpr std::string_view ESTENSIONE = "yaml";
    static constexpr std::string_view DESCRIZIONE = "YAML";
    static constexpr std::optional<int> BIT{};

    // Empty when written, else why the model or the divider does not fit the format.
    static std::string Scrivi(std::string& uscita, const ContestoTabella& contesto,
                              std::span<const RigaTabella> righe, const ModelloNTC& modello);
};
