// Arbitrary bytes through both readers, and whatever they read through the writers.
#include "core/testi_numerici.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const Regione REGIONI[] = {{".", ","}, {",", "."}, {",", "\u202F"}};

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

void ScriviERileggi(double valore) {
    // Beyond this the 15-digit text lies past the double range.
    const bool nelCampo = std::fabs(valore) < 1.797693134862315e308;
    const auto riletto = LeggiNumero(NumeroInTesto(valore));
    Verifica(!nelCampo || (riletto && std::fabs(*riletto - valore) <= std::fabs(valore) * 1e-14));
    for (const Regione& regione : REGIONI) {
        Verifica(!nelCampo || EUnNumeroLocale(FormattaNumero(valore, regione), regione));
    }
    (void)RiduciASingola(valore);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), dimensione);
    if (const auto valore = LeggiNumero(testo)) {
        ScriviERileggi(*valore);
    }
    for (const Regione& regione : REGIONI) {
        const auto valore = LeggiNumeroLocale(testo, regione);
        if (valore) {
            ScriviERileggi(*valore);
        }
    }
    return 0;
}
