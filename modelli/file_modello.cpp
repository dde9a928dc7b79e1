#include "modelli/file_modello.h"

#include "core/kelvin.h"
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
// The calculator window's model is the Beta at 25 °C (T_R25), and B25/85 is the B makers
// quote.
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

// The kind's section, whole, as its parameters; else what is wrong with it, key by key.
Esito<ParametriModello> LeggiSezione(const Profilo& profilo, std::size_t tipo) {
    const TipoModello& descrittore = TIPI_MODELLO[tipo];
    std::vector<double> valori;
    std::string motivo;
    for (const CoefficienteModello& coefficiente : descrittore.coefficienti) {
        const auto testo = profilo.Valore(descrittore.sezione, coefficiente.chiave);
        const auto valore = LeggiEsatto(profilo, descrittore.sezione, coefficiente.chiave);
        if (!valore) {
            motivo += (motivo.empty() ? "" : ", ") + std::string(coefficiente.chiave) +
                      (testo ? "=" + *testo + " non è un numero" : " manca");
        }
        valori.push_back(valore.value_or(0));
    }
    if (!motivo.empty()) {
        return Esito<ParametriModello>::Errore("[" + std::string(descrittore.sezione) + "] " +
                                               motivo);
    }
    return ParametriDaValori(tipo, valori);
}

// The Beta at full precision, while [NTC] still holds what the calculator reads of it.
std::optional<ParametriBeta> BetaPiena(const Profilo& profilo, double r0, double b) {
    const auto letta = LeggiSezione(profilo, BETA);
    if (!letta.Riuscito()) {
        return std::nullopt;
    }
    const auto& piena = std::get<ParametriBeta>(letta.Valore());
    const auto r25 = ModelloBeta(piena).Resistenza(T_R25);
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
    const auto r0 =
        beta && beta->T0 == T_R25 ? std::optional(beta->R0) : modello->Resistenza(T_R25);
    const auto b = beta ? std::optional(beta->B) : BetaTra(*modello, T_R25, T_B);
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
    using EsitoParametri = Esito<ParametriModello>;
    const LetturaProfilo letto = LeggiFileProfilo(file);
    if (letto.stato != StatoLettura::Letto) {
        return EsitoParametri::Errore("il file non si può leggere");
    }
    const Profilo& profilo = letto.profilo;
    const std::string nome =
        profilo.Valore(MODELLO, TIPO).value_or(profilo.Valore(CURVA, "Modello").value_or(""));
    if (!nome.empty()) {
        // The model the file names, or why it is not there: never another in its place.
        const auto tipo = TipoDaNome(nome);
        if (!tipo) {
            return EsitoParametri::Errore("[" + std::string(MODELLO) + "] " + std::string(TIPO) +
                                          "=" + nome + ": tipo di modello sconosciuto");
        }
        if (*tipo != BETA) {
            return LeggiSezione(profilo, *tipo);
        }
    } else {
        for (std::size_t tipo = BETA + 1; tipo < NUMERO_TIPI; ++tipo) {
            if (auto parametri = LeggiSezione(profilo, tipo); parametri.Riuscito()) {
                return parametri;
            }
        }
    }
    // As the calculator reads them: a missing key is 0, which a Beta cannot use.
    const auto r0Testo = profilo.Valore(NTC, "R0");
    const auto bTesto = profilo.Valore(NTC, "B");
    if (!r0Testo && !bTesto) {
        return EsitoParametri::Errore("il file non ha un modello: nessuna sezione [" +
                                      std::string(NTC) + "] con R0 e B");
    }
    std::string motivo;
    const auto leggi = [&](std::string_view chiave, const std::optional<std::string>& testo) {
        const auto valore = LeggiNumero(testo.value_or("0"));
        const std::string voce = "[" + std::string(NTC) + "] " + std::string(chiave);
        if (!testo) {
            motivo = voce + " manca";
        } else if (!valore) {
            motivo = voce + "=" + *testo + " è fuori dall'intervallo dei numeri";
        } else if (double esatto = 0;
                   std::from_chars(testo->data(), testo->data() + testo->size(), esatto).ec !=
                   std::errc()) {
            motivo = voce + "=" + *testo + " non è un numero";
        }
        return valore.value_or(0);
    };
    const double r0 = leggi("R0", r0Testo);
    const double b = leggi("B", bTesto);
    if (!motivo.empty()) {
        return EsitoParametri::Errore(motivo);
    }
    const ParametriBeta beta{r0, b, T_R25};
    if (const std::string errore = VerificaParametri(beta); !errore.empty()) {
        const bool r0Sbagliato = !(r0 > 0);
        return EsitoParametri::Errore("[" + std::string(NTC) + "] " +
                                      (r0Sbagliato ? "R0=" + *r0Testo : "B=" + *bTesto) + ": " +
                                      errore);
    }
    if (const auto piena = BetaPiena(profilo, r0, b)) {
        return ParametriModello(*piena);
    }
    return ParametriModello(beta);
}
