// Arbitrary bytes through the table reader, and whatever it reads through the table model.
#include "modelli/modello_tabella.h"
#include "modelli/tabella_csv.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    const TabellaLetta letta = LeggiTabellaCSV(testo);
    std::size_t ultima = 0;
    for (const ErroreRiga& errore : letta.errori) {
        Verifica(errore.riga > ultima && !errore.motivo.empty());
        ultima = errore.riga;
    }
    for (const PuntoRT& riga : letta.righe) {
        Verifica(std::isfinite(riga.temperatura) && riga.temperatura > -273.15 &&
                 std::isfinite(riga.resistenza) && riga.resistenza > 0);
    }
    const auto tabella = ModelloTabella::Crea(letta.righe);
    if (!tabella.Riuscito()) {
        return 0;
    }
    // Every row is found again both ways.
    for (const PuntoRT& riga : tabella.Valore().Righe()) {
        Verifica(tabella.Valore().Resistenza(riga.temperatura) == riga.resistenza);
        Verifica(tabella.Valore().Temperatura(riga.resistenza) == riga.temperatura);
        Verifica(tabella.Valore().DerivataLogaritmica(riga.temperatura).has_value());
    }
    return 0;
}
