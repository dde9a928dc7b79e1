#include "profilo/file_ntc.h"

#include "core/testi_numerici.h"
#include "profilo/profilo.h"

#include <array>

namespace {

constexpr std::string_view SEZIONE = "NTC";

void LeggiParametro(const Profilo& profilo, std::string_view chiave, double& campo) {
    if (const auto valore = LeggiNumero(profilo.Valore(SEZIONE, chiave).value_or("0"))) {
        campo = *valore;
    }
}

} // namespace

void CaricaParametri(const std::filesystem::path& file, ParametriNTC& parametri) {
    const LetturaProfilo letto = LeggiFileProfilo(file);
    LeggiParametro(letto.profilo, "R0", parametri.R0);
    LeggiParametro(letto.profilo, "B", parametri.B);
}

bool SalvaParametri(const std::filesystem::path& file, const ParametriNTC& parametri) {
    const std::array<VoceProfilo, 2> voci{
        VoceProfilo{std::string(SEZIONE), "R0", NumeroInTesto(parametri.R0)},
        VoceProfilo{std::string(SEZIONE), "B", NumeroInTesto(parametri.B)}};
    return ScriviVociProfilo(file, voci);
}
