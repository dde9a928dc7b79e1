#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/righe_tabella.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A C header: struct NOME_riga { t_c, r_ohm[, adc] } and the table NOME_tabella, with how to
// interpolate; every identifier is derived from the sensor's name.
struct FormatoC {
    static constexpr std::string_view NOME = "c";
    static constexpr std::string_view ESTENSIONE = "h";
    static constexpr std::string_view DESCRIZIONE = "C";
    static constexpr std::optional<int> BIT{};

    static void ScriviTesta(std::string& uscita, const ContestoTabella& contesto,
                            std::size_t righe);
    static void ScriviRiga(std::string& uscita, const ContestoTabella& contesto,
                           const RigaTabella& riga, bool prima);
    static void ScriviCoda(std::string& uscita, const ContestoTabella& contesto, bool vuota);
};
