#pragma once

#include "calcoli/marlin.h"
#include "calcoli/partitore_adc.h"
#include "modelli/parametri_modello.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view NOME_PREDEFINITO = "ntc";

// What a table format needs besides the rows and the model.
struct ContestoTabella {
    // The divider the counts were made with, if any.
    std::optional<PartitoreADC> partitore;
    // A CSV for the spreadsheets of comma regions: ";" between fields, a decimal comma.
    bool virgola = false;
    // The sensor's name in a firmware's configuration and a C header's identifiers, so that
    // two sensors live side by side.
    std::string nome{NOME_PREDEFINITO};
    // The model's parameters, for the formats that take a model as it is (a Beta, a
    // Steinhart–Hart); none for a maker's table.
    std::optional<ParametriModello> parametri;
    // Marlin: the heater the sensor serves, and the number of a table.
    std::string riscaldatore{RISCALDATORI_MARLIN[0].nome};
    long numeroMarlin = NUMERO_MARLIN_PREDEFINITO;
};

// Why the name cannot name a sensor in every format (it must be letters, digits and "_",
// beginning with a letter, as C and ESPHome identifiers are); empty when it can.
std::string VerificaNome(std::string_view nome);
