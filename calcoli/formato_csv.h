#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/righe_tabella.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A heading T_C,R_ohm,alfa_1_K[,adc], then one row per temperature.
struct FormatoCsv {
    static constexpr std::string_view NOME = "csv";
    static constexpr std::string_view ESTENSIONE = "csv";
    static constexpr std::string_view DESCRIZIONE = "CSV";
    static constexpr std::optional<int> BIT{};

    static void ScriviTesta(std::string& uscita, const ContestoTabella& contesto,
                            std::size_t righe);
    static void ScriviRiga(std::string& uscita, const ContestoTabella& contesto,
                           const RigaTabella& riga, bool prima);
    static void ScriviCoda(std::string& uscita, const ContestoTabella& contesto, bool vuota);
};
