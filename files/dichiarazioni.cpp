#include "dichiarazioni.h"

#include "core/testi_numerici.h"
#include "profilo_privato.h"

#include <array>
#include <optional>

namespace {

constexpr std::string_view SEZIONE = "NTC";
constexpr std::size_t DIMENSIONE_BUFFER = 255;

void LeggiParametro(const std::filesystem::path& file, std::string_view chiave, double& campo) {
    if (const std::optional<double> valore =
            LeggiNumero(LeggiProfilo(file, SEZIONE, chiave, "0"))) {
        campo = *valore;
    }
}

} // namespace

std::string LeggiProfilo(const std::filesystem::path& file, std::string_view sezione,
                         std::string_view chiave, std::string_view predefinito) {
    std::array<char, DIMENSIONE_BUFFER> buffer{};
    buffer.fill(' ');
    const std::size_t letti = LeggiStringaProfilo(sezione, chiave, predefinito, buffer, file);
    return {buffer.data(), letti};
}

int ScriviProfilo(const std::filesystem::path& file, std::string_view sezione,
                  std::string_view chiave, std::string_view valore) {
    const VoceProfilo voce{std::string(chiave), std::string(valore)};
    return ScriviVociProfilo(file, sezione, {&voce, 1}) ? 1 : 0;
}

void CaricaParametri(const std::filesystem::path& file, ParametriNTC& parametri) {
    LeggiParametro(file, "R0", parametri.R0);
    LeggiParametro(file, "B", parametri.B);
}

bool SalvaParametri(const std::filesystem::path& file, const ParametriNTC& parametri) {
    const std::array<VoceProfilo, 2> voci{VoceProfilo{"R0", NumeroInTesto(parametri.R0)},
                                          VoceProfilo{"B", NumeroInTesto(parametri.B)}};
    return ScriviVociProfilo(file, SEZIONE, voci);
}
