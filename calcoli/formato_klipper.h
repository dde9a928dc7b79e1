#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/righe_tabella.h"
#include "modelli/modello_ntc.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// A Klipper sensor the heater names with sensor_type: a Beta as Klipper's own Beta
// ([thermistor] with beta), a Steinhart–Hart as three of its points, any other model as
// the closer of the two that Klipper can read: three points, or a table of resistances
// ([adc_temperature]) dense enough for Klipper's straight lines between them.
struct FormatoKlipper {
    static constexpr std::string_view NOME = "klipper";
    static constexpr std::string_view ESTENSIONE = "cfg";
    static constexpr std::string_view DESCRIZIONE = "Klipper";
    static constexpr std::optional<int> BIT{};

    // Empty when written, else why the model or the divider does not fit the format.
    static std::string Scrivi(std::string& uscita, const ContestoTabella& contesto,
                              std::span<const RigaTabella> righe, const ModelloNTC& modello);
};

// Klipper's pull-up when the heater names none (pullup_resistor).
inline constexpr double PULLUP_KLIPPER = 4700;
// How far Klipper's reading of an [adc_temperature] table may be from the model.
inline constexpr double TOLLERANZA_KLIPPER_K = 0.05;
// Klipper reads temperature1 … temperature999.
inline constexpr std::size_t PUNTI_KLIPPER_MASSIMI = 999;
