#include "calcoli/scrittura_testi.h"
#include "modelli/beta_tra.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/sottocomandi.h"

#include <array>

namespace {

// One value and its conversion, in the order the user gave them: "10000,25".
void AggiungiCoppiaCsv(std::string& uscita, double primo, double secondo) {
    AggiungiNumero(uscita, primo);
    uscita += ',';
    AggiungiNumero(uscita, secondo);
    uscita += '\n';
}

// One row per value in the order value,result, or the same pairs as JSON objects.
void Converti(const Argomenti& argomenti, std::string& uscita, bool daResistenza) {
    const auto modello = CostruisciModello(argomenti);
    const bool json = argomenti.Ha("json");
    const std::string_view primo = daResistenza ? "R" : "T";
    const std::string_view secondo = daResistenza ? "T" : "R";
    const auto valori = ValoriNumerici(argomenti, daResistenza ? "R" : "T");
    for (size_t i = 0; i < valori.size(); ++i) {
        const double valore = valori[i];
        const auto risultato =
            daResistenza ? modello->Temperatura(valore) : modello->Resistenza(valore);
        if (!risultato) {
            throw ErroreDati(std::string(daResistenza ? "nessuna temperatura per R = "
                                                      : "nessuna resistenza per T = ") +
                             argomenti.valori[i] + " con questo modello");
        }
        if (json) {
            const std::array campi{CampoJson{primo, valore}, CampoJson{secondo, *risultato}};
            AggiungiElementoJson(uscita, campi, i == 0);
        } else {
            AggiungiCoppiaCsv(uscita, valore, *risultato);
        }
    }
    if (json) {
        ChiudiArrayJson(uscita, valori.empty());
    }
}

} // namespace

std::vector<double> ValoriNumerici(const Argomenti& argomenti, std::string_view cosa) {
    if (argomenti.valori.empty()) {
        throw ErroreUso("mancano i valori di " + std::string(cosa));
    }
    std::vector<double> numeri;
    numeri.reserve(argomenti.valori.size());
    for (const std::string& testo : argomenti.valori) {
        numeri.push_back(LeggiValore(testo, cosa));
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
    const double t1 = LeggiValore(tra[0], "--tra");
    const double t2 = LeggiValore(tra[1], "--tra");
    const auto b = BetaTra(*modello, t1, t2);
    if (!b) {
        throw ErroreDati("nessun B tra " + tra[0] + " e " + tra[1] + " °C con questo modello");
    }
    if (argomenti.Ha("json")) {
        const std::array campi{CampoJson{"B", *b}, CampoJson{"T1", t1}, CampoJson{"T2", t2}};
        AggiungiOggettoJson(uscita, campi);
        uscita += '\n';
    } else {
        AggiungiNumero(uscita, *b);
        uscita += '\n';
    }
}
