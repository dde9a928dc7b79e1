#include "modelli/file_modello.h"

#include "core/testi_numerici.h"
#include "modelli/beta_tra.h"
#include "modelli/registro_modelli.h"
#include "modelli/testo_breve.h"
#include "profilo/profilo.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view NTC = "NTC";
constexpr std::string_view MODELLO = "Modello";
constexpr std::string_view TIPO = "Tipo";
// Where the curve window named the model before the command wrote these files too.
constexpr std::string_view CURVA = "Curva";
// The calculator window's model is the Beta at 25 °C, and B25/85 is the B makers quote.
constexpr double T_R0 = 25;
constexpr double T_B = 85;
constexpr std::size_t BETA = 0;
static_assert(std::is_same_v<std::variant_alternative_t<BETA, ParametriModello>, ParametriBeta>);

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

// The kind's section, whole, as its parameters.
std::optional<ParametriModello> LeggiSezione(const Profilo& profilo, std::size_t tipo) {
    std::vector<double> valori;
    for (const CoefficienteModello& coefficiente : TIPI_MODELLO[tipo].coefficienti) {
        const auto valore = LeggiEsatto(profilo, TIPI_MODELLO[tipo].sezione, coefficiente.chiave);
        if (!valore) {
            return std::nullopt;
        }
        valori.push_back(*valore);
    }
    return ParametriDaValori(tipo, valori);
}

// The Beta at full precision, while [NTC] still holds what the calculator reads of it.
std::optional<ParametriBeta> BetaPiena(const Profilo& profilo, double r0, double b) {
    const auto letta = LeggiSezione(profilo, BETA);
    if (!letta) {
        return std::nullopt;
    }
    const auto& piena = std::get<ParametriBeta>(*letta);
    const auto r25 = ModelloBeta(piena).Resistenza(T_R0);
    if (!r25 || LeggiNumero(NumeroInTesto(*r25)) != r0 ||
        LeggiNumero(NumeroInTesto(piena.B)) != b) {
        return std::nullopt;
    }
    return piena;
}

// What the calculator window reads in [NTC]: its R0 at 25 °C and a B.
std::optional<std::pair<double, double>> ParametriCalcolatrice(const ParametriModello& parametri) {
    const auto modello = CreaModello(parametri);
    const auto* beta = std::get_if<ParametriBeta>(&parametri);
    // A Beta's own B is its B between any two temperatures, exactly.
    const auto r0 = beta && beta->T0 == T_R0 ? std::optional(beta->R0) : modello->Resistenza(T_R0);
    const auto b = beta ? std::optional(beta->B) : BetaTra(*modello, T_R0, T_B);
    if (!r0 || !b) {
        return std::nullopt;
    }
    return std::pair(*r0, *b);
}

} // namespace

bool SalvaModello(const std::filesystem::path& file, const ParametriModello& parametri) {
    const auto calcolatrice = ParametriCalcolatrice(parametri);
    if (!calcolatrice) {
        return false;
    }
    const TipoModello& tipo = TipoDi(parametri);
    std::vector<VoceProfilo> voci;
    // The calculator's own number text, so that its saves leave these lines as they are.
    voci.push_back({std::string(NTC), "R0", NumeroInTesto(calcolatrice->first)});
    voci.push_back({std::string(NTC), "B", NumeroInTesto(calcolatrice->second)});
    const std::vector<double> valori = ValoriCoefficienti(parametri);
    for (std::size_t i = 0; i < valori.size(); ++i) {
        voci.push_back({std::string(tipo.sezione), std::string(tipo.coefficienti[i].chiave),
                        TestoBreve(valori[i])});
    }
    voci.push_back({std::string(MODELLO), std::string(TIPO), std::string(tipo.nome)});
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
    for (std::size_t tipo = 0; tipo < NUMERO_TIPI; ++tipo) {
        if (tipo == BETA || (!nome.empty() && nome != TIPI_MODELLO[tipo].nome)) {
            continue;
        }
        if (auto parametri = LeggiSezione(profilo, tipo)) {
            return *parametri;
        }
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
