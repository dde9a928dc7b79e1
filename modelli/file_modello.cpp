#include "modelli/file_modello.h"

#include "core/testi_numerici.h"
#include "modelli/beta_tra.h"
#include "modelli/testo_breve.h"
#include "profilo/profilo.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view NTC = "NTC";
constexpr std::string_view STEINHART_HART = "Steinhart-Hart";
constexpr std::string_view ESTESO = "Esteso";
constexpr std::string_view BETA = "Beta";
constexpr std::string_view MODELLO = "Modello";
constexpr std::string_view TIPO = "Tipo";
// Where the curve window named the model before the command wrote these files too.
constexpr std::string_view CURVA = "Curva";
// The calculator window's model is the Beta at 25 °C, and B25/85 is the B makers quote.
constexpr double T_R0 = 25;
constexpr double T_B = 85;

// Exact text for the model sections, read back to the same double.
std::optional<double> LeggiEsatto(const Profilo& profilo, std::string_view sezione,
                                  std::string_view chiave) {
    const auto testo = profilo.Valore(sezione, chiave);
    if (!testo) {
        return std::nullopt;
    }
    double valore = 0;
    const char* fine = testo->data() + testo->size();
    const auto letto = std::from_chars(testo->data(), fine, valore);
    // A coefficient is a whole finite number: "1e-3x", "nan" and "inf" are no model.
    if (letto.ec != std::errc() || letto.ptr != fine || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

template <size_t N>
std::optional<std::array<double, N>> LeggiSezione(const Profilo& profilo, std::string_view sezione,
                                                  const std::array<std::string_view, N>& chiavi) {
    std::array<double, N> valori{};
    for (size_t i = 0; i < N; ++i) {
        const auto valore = LeggiEsatto(profilo, sezione, chiavi[i]);
        if (!valore) {
            return std::nullopt;
        }
        valori[i] = *valore;
    }
    return valori;
}

// The Beta at full precision, while [NTC] still holds what the calculator reads of it.
std::optional<ParametriBeta> BetaPiena(const Profilo& profilo, double r0, double b) {
    const auto beta = LeggiSezione(profilo, BETA, std::array<std::string_view, 3>{"R0", "B", "T0"});
    if (!beta) {
        return std::nullopt;
    }
    const ParametriBeta piena{(*beta)[0], (*beta)[1], (*beta)[2]};
    const auto r25 = ModelloBeta(piena).Resistenza(T_R0);
    if (!r25 || LeggiNumero(NumeroInTesto(*r25)) != r0 ||
        LeggiNumero(NumeroInTesto(piena.B)) != b) {
        return std::nullopt;
    }
    return piena;
}

} // namespace

std::unique_ptr<ModelloNTC> CreaModello(const ParametriModello& parametri) {
    return std::visit(
        [](const auto& p) -> std::unique_ptr<ModelloNTC> {
            using P = std::decay_t<decltype(p)>;
            if constexpr (std::is_same_v<P, ParametriBeta>) {
                return std::make_unique<ModelloBeta>(p);
            } else if constexpr (std::is_same_v<P, ParametriSteinhartHart>) {
                return std::make_unique<ModelloSteinhartHart>(p);
            } else {
                return std::make_unique<ModelloEsteso>(p);
            }
        },
        parametri);
}

bool SalvaModello(const std::filesystem::path& file, const ParametriModello& parametri) {
    const auto modello = CreaModello(parametri);
    std::vector<VoceProfilo> voci;
    const auto voce = [&](std::string_view sezione, std::string_view chiave, std::string valore) {
        voci.push_back({std::string(sezione), std::string(chiave), std::move(valore)});
    };
    const auto* beta = std::get_if<ParametriBeta>(&parametri);
    const auto r0 = beta && beta->T0 == T_R0 ? std::optional(beta->R0) : modello->Resistenza(T_R0);
    const auto b = beta ? std::optional(beta->B) : BetaTra(*modello, T_R0, T_B);
    if (!r0 || !b) {
        return false;
    }
    // The calculator's own number text, so that its saves leave these lines as they are.
    voce(NTC, "R0", NumeroInTesto(*r0));
    voce(NTC, "B", NumeroInTesto(*b));
    if (beta) {
        voce(BETA, "R0", TestoBreve(beta->R0));
        voce(BETA, "B", TestoBreve(beta->B));
        voce(BETA, "T0", TestoBreve(beta->T0));
        voce(MODELLO, TIPO, "beta");
    } else if (const auto* sh = std::get_if<ParametriSteinhartHart>(&parametri)) {
        voce(STEINHART_HART, "A", TestoBreve(sh->A));
        voce(STEINHART_HART, "B", TestoBreve(sh->B));
        voce(STEINHART_HART, "C", TestoBreve(sh->C));
        voce(MODELLO, TIPO, "steinhart-hart");
    } else {
        const auto& esteso = std::get<ParametriEsteso>(parametri);
        voce(ESTESO, "A1", TestoBreve(esteso.A1));
        voce(ESTESO, "B1", TestoBreve(esteso.B1));
        voce(ESTESO, "C1", TestoBreve(esteso.C1));
        voce(ESTESO, "D1", TestoBreve(esteso.D1));
        voce(ESTESO, "Rrif", TestoBreve(esteso.Rrif));
        voce(MODELLO, TIPO, "esteso");
    }
    return ScriviVociProfilo(file, voci);
}

Esito<ParametriModello> CaricaModello(const std::filesystem::path& file) {
    const LetturaProfilo letto = LeggiFileProfilo(file);
    if (letto.stato != StatoLettura::Letto) {
        return Esito<ParametriModello>::Errore("il file non si può leggere");
    }
    const Profilo& profilo = letto.profilo;
    const std::string nome =
        profilo.Valore(MODELLO, TIPO).value_or(profilo.Valore(CURVA, "Modello").value_or(""));
    const auto sh =
        LeggiSezione(profilo, STEINHART_HART, std::array<std::string_view, 3>{"A", "B", "C"});
    const auto esteso = LeggiSezione(
        profilo, ESTESO, std::array<std::string_view, 5>{"A1", "B1", "C1", "D1", "Rrif"});
    if (sh && (nome == "steinhart-hart" || nome.empty())) {
        return ParametriModello(ParametriSteinhartHart{(*sh)[0], (*sh)[1], (*sh)[2]});
    }
    if (esteso && (nome == "esteso" || nome.empty())) {
        const auto& e = *esteso;
        return ParametriModello(ParametriEsteso{e[0], e[1], e[2], e[3], e[4]});
    }
    // As the calculator reads them: a missing key is 0, which a Beta cannot use.
    const auto r0 = LeggiNumero(profilo.Valore(NTC, "R0").value_or("0"));
    const auto b = LeggiNumero(profilo.Valore(NTC, "B").value_or("0"));
    if (!r0 || !b || *r0 <= 0 || *b == 0) {
        return Esito<ParametriModello>::Errore("il file non ha un modello (R0 e B in [NTC])");
    }
    if (const auto piena = BetaPiena(profilo, *r0, *b)) {
        return ParametriModello(*piena);
    }
    return ParametriModello(ParametriBeta{*r0, *b, T_R0});
}
