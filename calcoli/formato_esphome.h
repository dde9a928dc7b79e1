#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/righe_tabella.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// An ESPHome ntc sensor, and its resistance sensor when a divider is given.
struct FormatoEsphome {
    static constexpr std::string_view NOME = "esphome";
    static constexpr std::string_view ESTENSIONE = "yaml";
    static constexpr std::string_view DESCRIZIONE = "YAML";
    static constexpr std::optional<int> BIT{};

    // Empty when written, else why the table does not fit the format.
    static std::string Scrivi(std::string& uscita, const ContestoTabella& contesto,
                              std::span<const RigaTabella> righe);
};
