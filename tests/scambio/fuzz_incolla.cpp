// Arbitrary clipboard text through the Paste reader under several regions, one of them
// with a decimal separator of two bytes: what reaches the register is the register's own
// notation, which reads back as a number and pastes back unchanged.
#include "scambio/copia_incolla.h"

#include "core/testi_numerici.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

const Regione PUNTO{".", ","};
const Regione REGIONI[] = {PUNTO, {",", "."}, {",", "\u202F"}, {"\u066B", "\u066C"}, {"'", " "}};

void Verifica(bool condizione) {
    if (!condizione) {
        std::abort();
    }
}

bool NotazioneDelRegistro(std::string_view testo) {
    return !testo.empty() && testo.find_first_not_of("0123456789.-E+") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const std::string_view appunti(reinterpret_cast<const char*>(dati), dimensione);
    for (const Regione& regione : REGIONI) {
        const auto registro = TestoDaIncollare(appunti, regione);
        if (!registro) {
            continue;
        }
        Verifica(NotazioneDelRegistro(*registro));
        Verifica(LeggiNumero(*registro).has_value());
        // A negative value that rounds to no digits shows as "-0", which pastes back as 0.
        const auto di_nuovo = TestoDaIncollare(*registro, PUNTO);
        Verifica(di_nuovo == registro ||
                 (*registro == "-0" && di_nuovo == std::optional<std::string>("0")));
    }
    return 0;
}
