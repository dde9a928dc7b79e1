#include "calcoli/scrittura_testi.h"
#include "modelli/autoriscaldamento.h"
#include "modelli/tolleranza.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/partitore_da_opzioni.h"
#include "ntc/sottocomandi.h"

#include <array>

namespace {

// Rows with a header line, or a JSON array of objects with the same names.
class Righe {
public:
    Righe(std::string& uscita, bool json, std::span<const std::string_view> nomiCsv,
          std::span<const std::string_view> nomiJson)
        : uscita_(uscita), json_(json), nomiJson_(nomiJson) {
        if (!json_) {
            for (size_t i = 0; i < nomiCsv.size(); ++i) {
                uscita_ += i > 0 ? "," : "";
                uscita_ += nomiCsv[i];
            }
            uscita_ += '\n';
        }
    }

    void Aggiungi(std::span<const double> valori) {
        if (json_) {
            std::array<CampoJson, 4> campi{};
            for (size_t i = 0; i < valori.size() && i < campi.size(); ++i) {
                campi[i] = {nomiJson_[i], valori[i]};
            }
            AggiungiElementoJson(uscita_, std::span(campi.data(), valori.size()), vuoto_);
        } else {
            AggiungiNumeri(uscita_, valori, ",");
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
    std::string& uscita_;
    bool json_;
    std::span<const std::string_view> nomiJson_;
    bool vuoto_ = true;
};

[[noreturn]] void NessunRisultato(std::string_view cosa, std::string_view valore) {
    throw ErroreDati("nessun risultato per " + std::string(cosa) + " = " + std::string(valore) +
                     " con questo modello e questo partitore");
}

double Resistenza(const ModelloNTC& modello, double temperatura, std::string_view testo) {
    const auto r = modello.Resistenza(temperatura);
    if (!r) {
        NessunRisultato("T", testo);
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
    Righe righe(uscita, argomenti.Ha("json"), CSV, JSON);
    for (size_t i = 0; i < temperature.size(); ++i) {
        const auto t = Tolleranza(*modello, temperature[i], tolR25, tolB);
        if (!t) {
            NessunRisultato("T", argomenti.valori[i]);
        }
        righe.Aggiungi(std::array{temperature[i], t->resistenzaPercento, t->gradi});
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
    Righe righe(uscita, argomenti.Ha("json"), CSV, JSON);
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
            NessunRisultato(daConteggi ? "adc" : "T", testo);
        }
        righe.Aggiungi(std::array{*t, *r, *v, daConteggi ? valori[i] : *conteggi});
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
    Righe righe(uscita, argomenti.Ha("json"), CSV, JSON);
    constexpr double MILLIWATT_PER_WATT = 1000;
    for (size_t i = 0; i < temperature.size(); ++i) {
        const double r = Resistenza(*modello, temperature[i], argomenti.valori[i]);
        const auto d = Autoriscaldamento(adc.partitore, r, costante);
        if (!d) {
            NessunRisultato("T", argomenti.valori[i]);
        }
        righe.Aggiungi(
            std::array{temperature[i], r, d->potenzaW * MILLIWATT_PER_WATT, d->sovratemperaturaK});
    }
    righe.Chiudi();
}
