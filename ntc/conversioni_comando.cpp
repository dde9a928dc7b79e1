#include "calcoli/scrittura_testi.h"
#include "modelli/beta_tra.h"
#include "modelli/modello_tabella.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/numeri_uscita.h"
#include "ntc/sottocomandi.h"

#include <array>

namespace {

// One value and its conversion, in the order the user gave them: "10000,25".
void AggiungiCoppiaCsv(std::string& uscita, double primo, double secondo, FormaNumeri forma) {
    AggiungiNumeroInForma(uscita, primo, forma);
    uscita += forma.virgola ? ';' : ',';
    AggiungiNumeroInForma(uscita, secondo, forma);
    uscita += '\n';
}

// One row per value in the order value,result, or the same pairs as JSON objects.
void Converti(const Argomenti& argomenti, std::string& uscita, bool daResistenza) {
    const auto modello = CostruisciModello(argomenti);
    const bool json = argomenti.Ha("json");
    const FormaNumeri forma = FormaRichiesta(argomenti);
    const std::string_view primo = daResistenza ? "R" : "T";
    const std::string_view secondo = daResistenza ? "T" : "R";
    const auto valori = ValoriNumerici(argomenti, primo, daResistenza);
    for (size_t i = 0; i < valori.size(); ++i) {
        const double valore = valori[i];
        const auto risultato =
            daResistenza ? modello->Temperatura(valore) : modello->Resistenza(valore);
        const std::string dove = " per " + std::string(primo) + " = " + argomenti.valori[i];
        if (!risultato) {
            const std::string campo = TestoCampo(*modello);
            throw ErroreDati(
                std::string(daResistenza ? "nessuna temperatura" : "nessuna resistenza") + dove +
                " con questo modello" + (campo.empty() ? "" : ": " + campo));
        }
        VerificaFinito(*risultato, secondo, dove);
        if (json) {
            const std::array campi{CampoJson{primo, valore}, CampoJson{secondo, *risultato}};
            AggiungiElementoJson(uscita, campi, i == 0, forma);
        } else {
            AggiungiCoppiaCsv(uscita, valore, *risultato, forma);
        }
    }
    if (json) {
        ChiudiArrayJson(uscita, valori.empty());
    }
}

} // namespace

std::vector<double> ValoriNumerici(const Argomenti& argomenti, std::string_view cosa, bool ohm) {
    if (argomenti.valori.empty()) {
        throw ErroreUso("mancano i valori di " + std::string(cosa));
    }
    std::vector<double> numeri;
    numeri.reserve(argomenti.valori.size());
    for (const std::string& testo : argomenti.valori) {
        numeri.push_back(ohm ? LeggiOhm(testo, cosa) : LeggiValore(testo, cosa));
    }
    return numeri;
}

void EseguiTemperatura(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/,
                       const Scarico& /*scarico*/) {
    Converti(argomenti, uscita, true);
}

void EseguiResistenza(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/,
                      const Scarico& /*scarico*/) {
    Converti(argomenti, uscita, false);
}

void EseguiBeta(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/,
                const Scarico& /*scarico*/) {
    const auto modello = CostruisciModello(argomenti);
    const auto& tra = argomenti.Valori("tra");
    if (tra.empty()) {
        throw ErroreUso("manca --tra T1 T2");
    }
    if (!argomenti.valori.empty()) {
        throw ErroreUso("valore inatteso: " + argomenti.valori.front());
    }
    const FormaNumeri forma = FormaRichiesta(argomenti);
    const double t1 = LeggiValore(tra[0], "--tra");
    const double t2 = LeggiValore(tra[1], "--tra");
    const auto b = BetaTra(*modello, t1, t2);
    if (!b) {
        const std::string campo = TestoCampo(*modello);
        throw ErroreDati("nessun B tra " + tra[0] + " e " + tra[1] + " °C con questo modello" +
                         (campo.empty() ? "" : ": " + campo));
    }
    VerificaFinito(*b, "B");
    if (argomenti.Ha("json")) {
        const std::array campi{CampoJson{"B", *b}, CampoJson{"T1", t1}, CampoJson{"T2", t2}};
        AggiungiOggettoJson(uscita, campi, forma);
        uscita += '\n';
    } else {
        AggiungiNumeroInForma(uscita, *b, forma);
        uscita += '\n';
    }
}
