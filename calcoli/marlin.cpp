#include "calcoli/marlin.h"

#include <algorithm>

const RiscaldatoreMarlin* RiscaldatoreDaNome(std::string_view nome) {
    const auto trovato = std::find_if(RISCALDATORI_MARLIN.begin(), RISCALDATORI_MARLIN.end(),
                                      [&](const RiscaldatoreMarlin& r) { return r.nome == nome; });
    return trovato == RISCALDATORI_MARLIN.end() ? nullptr : &*trovato;
}

std::string VerificaNumeroMarlin(long numero) {
    // A table's number is the suffix of its name and a value of TEMP_SENSOR_n, an int16.
    constexpr long MASSIMO = 32767;
    if (numero < 1 || numero > MASSIMO) {
        return "il numero di una tabella Marlin va da 1 a 32767";
    }
    if (std::find(NUMERI_MARLIN_USATI.begin(), NUMERI_MARLIN_USATI.end(), numero) !=
        NUMERI_MARLIN_USATI.end()) {
        return "Marlin usa già il sensore " + std::to_string(numero) +
               " (998 e 999 sono finti: leggono sempre 25 e 100 °C, senza protezione; 1000 è il "
               "termistore personalizzato)";
    }
    return {};
}
