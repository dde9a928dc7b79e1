#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/righe_tabella.h"
#include "modelli/modello_ntc.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Marlin: a Beta or Steinhart–Hart thermistor to ground as its custom thermistor (sensor
// 1000), whose formula is theirs exactly; anything else as a temperature table
// temptable_N of { OV(count), °C } rows in rising count.
struct FormatoMarlin {
    static constexpr std::string_view NOME = "marlin";
    static constexpr std::string_view ESTENSIONE = "h";
    static constexpr std::string_view DESCRIZIONE = "C++";
    // Marlin's tables are in 10-bit counts whatever the board's converter.
    static constexpr std::optional<int> BIT{10};

    // Empty when written, else why the model, the range or the divider does not fit.
    static std::string Scrivi(std::string& uscita, const ContestoTabella& contesto,
                              std::span<const RigaTabella> righe, const ModelloNTC& modello);
};
