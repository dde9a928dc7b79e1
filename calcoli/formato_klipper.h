#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/righe_tabella.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// A Klipper [thermistor] section.
struct FormatoKlipper {
    static constexpr std::string_view NOME = "klipper";
    static constexpr std::string_view ESTENSIONE = "cfg";
    static constexpr std::string_view DESCRIZIONE = "Klipper";
    static constexpr std::optional<int> BIT{};

    // Empty when written, else why the table does not fit the format.
    static std::string Scrivi(std::string& uscita, const ContestoTabella& contesto,
                              std::span<const RigaTabella> righe);
};
