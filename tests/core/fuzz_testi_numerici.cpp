// Arbitrary bytes through both readers, and whatever they read through the writers.
#include "core/regione.h"
#include "core/testi_numerici.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

const Regione REGIONI[] = {{".", ","}, {",", "."}, {",", "\u202F"}, {".", "\u2019"}};

// Above this the 15-digit text lies beyond the double range.
constexpr double MASSIMO_RILEGGIBILE = 1.797693134862315e308;

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

void ScriviERileggi(double valore) {
    Verifica(std::isfinite(valore));
    const std::string testo = NumeroInTesto(valore);
    const auto riletto = LeggiNumero(testo);
    if (std::fabs(valore) < MASSIMO_RILEGGIBILE) {
        Verifica(riletto.has_value());
        Verifica(*riletto == valore || std::fabs(*riletto - valore) <= std::fabs(valore) * 1e-14);
    }
    for (const Regione& regione : REGIONI) {
        const std::string mostrato = FormattaNumero(valore, regione);
        const auto letto = LeggiNumeroLocale(mostrato, regione);
        Verifica(letto.has_value() || std::fabs(valore) >= MASSIMO_RILEGGIBILE);
    }
    (void)RiduciASingola(valore);
}

void Leggi(std::string_view testo) {
    if (const auto valore = LeggiNumero(testo)) {
        ScriviERileggi(*valore);
    }
    for (const Regione& regione : REGIONI) {
        const auto valore = LeggiNumeroLocale(testo, regione);
        Verifica(EUnNumeroLocale(testo, regione) == valore.has_value());
        if (valore) {
            ScriviERileggi(*valore);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    Leggi(std::string_view(reinterpret_cast<const char*>(dati), dimensione));
    return 0;
}
