#include "calcoli/scrittura_testi.h"
#include "modelli/autoriscaldamento.h"
#include "modelli/modello_tabella.h"
#include "modelli/tolleranza.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/numeri_uscita.h"
#include "ntc/partitore_da_opzioni.h"
#include "ntc/sottocomandi.h"

#include <array>

namespace {

// Rows with a header line, or a JSON array of objects with the same names.
class Righe {
public:
    Righe(std::string& uscita, const Argomenti& argomenti,
          std::span<const std::string_view> nomiCsv, std::span<const std::string_view> nomiJson)
        : uscita_(uscita), json_(argomenti.Ha("json")), forma_(FormaRichiesta(argomenti)),
          nomiCsv_(nomiCsv), nomiJson_(nomiJson) {
        if (!json_) {
            for (size_t i = 0; i < nomiCsv.size(); ++i) {
                uscita_ += i > 0 ? Separatore() : "";
                uscita_ += nomiCsv[i];
            }
            uscita_ += '\n';
        }
    }

    // One row; dove says whose it is in a message ("T = 25").
    void Aggiungi(std::span<const double> valori, std::string_view dove) {
        for (size_t i = 0; i < valori.size(); ++i) {
            VerificaFinito(valori[i], nomiCsv_[i], " a " + std::string(dove));
        }
        if (json_) {
            std::array<CampoJson, 4> campi{};
            for (size_t i = 0; i < valori.size() && i < campi.size(); ++i) {
                campi[i] = {nomiJson_[i], valori[i]};
            }
            AggiungiElementoJson(uscita_, std::span(campi.data(), valori.size()), vuoto_, forma_);
        } else {
            AggiungiNumeri(uscita_, valori, Separatore(), forma_);
            uscita_ += '\n';
        }
        vuoto_ = false;
    }

    void Chiudi() {
        if (json_) {
            ChiudiArrayJson(uscita_, vuoto_);
        }
    }

private:
    std::string_view Separatore() const { return forma_.virgola ? ";" : ","; }

    std::string& uscita_;
    bool json_;
    FormaNumeri forma_;
    std::span<const std::string_view> nomiCsv_;
    std::span<const std::string_view> nomiJson_;
    bool vuoto_ = true;
};

[[noreturn]] void NessunRisultato(const ModelloNTC& modello, std::string_view cosa,
                                  std::string_view valore, bool conPartitore = true) {
    const std::string campo = TestoCampo(modello);
    throw ErroreDati("nessun risultato per " + std::string(cosa) + " = " + std::string(valore) +
                     " con questo modello" + (conPartitore ? " e questo partitore" : "") +
                     (campo.empty() ? "" : ": " + campo));
}

double Resistenza(const ModelloNTC& modello, double temperatura, std::string_view testo) {
    const auto r = modello.Resistenza(temperatura);
    if (!r) {
        NessunRisultato(modello, "T", testo, false);
    }
    return *r;
}

PartitoreADC PartitoreRichiesto(const Argomenti& argomenti) {
    const auto adc = PartitoreDaOpzioni(argomenti, BIT_PREDEFINITI);
    if (!adc) {
        throw ErroreUso("manca --partitore OHM");
    }
    return *adc;
}

} // namespace

void EseguiTolleranza(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/,
                      const Scarico& /*scarico*/) {
    const auto modello = CostruisciModello(argomenti);
    if (!argomenti.Ha("tol-r25") && !argomenti.Ha("tol-b")) {
        throw ErroreUso("manca --tol-r25 PERCENTO o --tol-b PERCENTO");
    }
    const double tolR25 = NumeroOpzione(argomenti, "tol-r25", 0);
    const double tolB = NumeroOpzione(argomenti, "tol-b", 0);
    if (tolR25 < 0 || tolB < 0) {
        throw ErroreUso("le tolleranze sono percentuali positive (±)");
    }
    const auto temperature = ValoriNumerici(argomenti, "T");
    constexpr std::array<std::string_view, 3> CSV{"T_C", "R_percento", "T_gradi"};
    constexpr std::array<std::string_view, 3> JSON{"T", "R_percento", "gradi"};
    Righe righe(uscita, argomenti, CSV, JSON);
    for (size_t i = 0; i < temperature.size(); ++i) {
        const auto t = Tolleranza(*modello, temperature[i], tolR25, tolB);
        if (!t) {
            NessunRisultato(*modello, "T", argomenti.valori[i], false);
        }
        righe.Aggiungi(std::array{temperature[i], t->resistenzaPercento, t->gradi},
                       "T = " + argomenti.valori[i]);
    }
    righe.Chiudi();
}

void EseguiPartitore(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/,
                     const Scarico& /*scarico*/) {
    const auto modello = CostruisciModello(argomenti);
    const PartitoreADC adc = PartitoreRichiesto(argomenti);
    const bool daConteggi = argomenti.Ha("adc");
    const auto valori = ValoriNumerici(argomenti, daConteggi ? "adc" : "T");
    constexpr std::array<std::string_view, 4> CSV{"T_C", "R_ohm", "V", "adc"};
    constexpr std::array<std::string_view, 4> JSON{"T", "R", "V", "adc"};
    Righe righe(uscita, argomenti, CSV, JSON);
    for (size_t i = 0; i < valori.size(); ++i) {
        const std::string_view testo = argomenti.valori[i];
        std::optional<double> t = valori[i];
        std::optional<double> r;
        if (daConteggi) {
            r = ResistenzaDaConteggi(adc.partitore, adc.bit, valori[i]);
            t = r ? modello->Temperatura(*r) : std::nullopt;
        } else {
            r = Resistenza(*modello, valori[i], testo);
        }
        const auto v = r ? TensionePartitore(adc.partitore, *r) : std::nullopt;
        const auto conteggi = r ? ConteggiADC(adc.partitore, adc.bit, *r) : std::nullopt;
        if (!t || !v || !conteggi) {
            NessunRisultato(*modello, daConteggi ? "adc" : "T", testo);
        }
        righe.Aggiungi(std::array{*t, *r, *v, daConteggi ? valori[i] : *conteggi},
                       (daConteggi ? "adc = " : "T = ") + std::string(testo));
    }
    righe.Chiudi();
}

void EseguiAutoriscaldamento(const Argomenti& argomenti, std::string& uscita,
                             std::string& /*avvisi*/, const Scarico& /*scarico*/) {
    const auto modello = CostruisciModello(argomenti);
    const PartitoreADC adc = PartitoreRichiesto(argomenti);
    const double costante = NumeroOpzione(argomenti, "dissipazione");
    if (costante <= 0) {
        throw ErroreUso("--dissipazione vuole mW/K positivi");
    }
    const auto temperature = ValoriNumerici(argomenti, "T");
    constexpr std::array<std::string_view, 4> CSV{"T_C", "R_ohm", "P_mW", "dT_K"};
    constexpr std::array<std::string_view, 4> JSON{"T", "R", "P_mW", "dT_K"};
    Righe righe(uscita, argomenti, CSV, JSON);
    constexpr double MILLIWATT_PER_WATT = 1000;
    for (size_t i = 0; i < temperature.size(); ++i) {
        const double r = Resistenza(*modello, temperature[i], argomenti.valori[i]);
        const auto d = Autoriscaldamento(adc.partitore, r, costante);
        if (!d) {
            NessunRisultato(*modello, "T", argomenti.valori[i]);
        }
        righe.Aggiungi(
            std::array{temperature[i], r, d->potenzaW * MILLIWATT_PER_WATT, d->sovratemperaturaK},
            "T = " + argomenti.valori[i]);
    }
    righe.Chiudi();
}
