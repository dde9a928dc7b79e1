#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/righe_tabella.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// An array of objects {"T", "R", "alfa"[, "adc"]}, one a line.
struct FormatoJson {
    static constexpr std::string_view NOME = "json";
    static constexpr std::string_view ESTENSIONE = "json";
    static constexpr std::string_view DESCRIZIONE = "JSON";
    static constexpr std::optional<int> BIT{};

    static void ScriviTesta(std::string& uscita, const ContestoTabella& contesto,
                            std::size_t righe);
    static void ScriviRiga(std::string& uscita, const ContestoTabella& contesto,
                           const RigaTabella& riga, bool prima);
    static void ScriviCoda(std::string& uscita, const ContestoTabella& contesto, bool vuota);
};
