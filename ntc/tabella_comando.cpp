#include "ntc/formati.h"
#include "ntc/griglia.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/partitore_da_opzioni.h"
#include "ntc/sottocomandi.h"
#include "ntc/versione.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace {

Griglia GrigliaRichiesta(const Argomenti& argomenti) {
    const auto numero = [&](std::string_view nome) {
        return NumeroScritto{NumeroOpzione(argomenti, nome), argomenti.Valori(nome).front()};
    };
    const NumeroScritto da = numero("da");
    const NumeroScritto a = numero("a");
    const NumeroScritto passo = numero("passo");
    const auto griglia = CalcolaGriglia(da, a, passo);
    if (const auto* errore = std::get_if<ErroreGriglia>(&griglia)) {
        switch (*errore) {
        case ErroreGriglia::PassoNullo:
            throw ErroreUso("--passo non può essere 0");
        case ErroreGriglia::VersoOpposto:
            throw ErroreUso("--passo non va da --da verso --a");
        case ErroreGriglia::TroppeRighe:
            throw ErroreUso("più di " + std::to_string(RIGHE_MASSIME) + " righe");
        }
    }
    return std::get<Griglia>(griglia);
}

FormatoTabella FormatoRichiesto(const Argomenti& argomenti) {
    const auto& nome = argomenti.Valori("formato");
    auto formato = nome.empty() ? FormatoTabella::Csv : FormatoDaNome(nome.front());
    if (!formato) {
        throw ErroreUso("--formato vuole csv, json, c, marlin, klipper o esphome");
    }
    if (argomenti.Ha("json")) {
        if (!nome.empty() && formato != FormatoTabella::Json) {
            throw ErroreUso("--json e --formato " + nome.front() + " insieme");
        }
        formato = FormatoTabella::Json;
    }
    if (argomenti.Ha("virgola")) {
        if (formato != FormatoTabella::Csv) {
            throw ErroreUso("--virgola vale solo per il formato csv");
        }
        formato = FormatoTabella::CsvVirgola;
    }
    return *formato;
}

} // namespace

void EseguiTabella(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/,
                   const Scarico& scarico) {
    if (!argomenti.valori.empty()) {
        throw ErroreUso("valore inatteso: " + argomenti.valori.front());
    }
    const auto modello = CostruisciModello(argomenti);
    const FormatoTabella formato = FormatoRichiesto(argomenti);
    // Marlin's tables are in 10-bit counts whatever the board's converter.
    constexpr int BIT_MARLIN = 10;
    const auto adc = PartitoreDaOpzioni(
        argomenti, formato == FormatoTabella::Marlin ? BIT_MARLIN : BIT_PREDEFINITI);
    const Griglia griglia = GrigliaRichiesta(argomenti);
    const auto riga = [&](long i) {
        const double t = griglia.Temperatura(i);
        const auto r = modello->Resistenza(t);
        const auto alfa = modello->DerivataLogaritmica(t);
        if (!r || !alfa) {
            std::string testo = "nessuna resistenza a T = ";
            AggiungiNumero(testo, t);
            throw ErroreDati(testo + " °C con questo modello");
        }
        const auto conteggio = adc ? ConteggioIntero(*adc, *r) : std::nullopt;
        if (adc && !conteggio) {
            std::string testo = "nessuna lettura del partitore per R = ";
            AggiungiNumero(testo, *r);
            throw ErroreDati(testo);
        }
        return RigaTabella{t, *r, *alfa, conteggio};
    };

    if (!FormatoARighe(formato)) {
        std::vector<RigaTabella> righe;
        righe.reserve(static_cast<size_t>(griglia.righe));
        for (long i = 0; i < griglia.righe; ++i) {
            righe.push_back(riga(i));
        }
        try {
            ScriviTabella(uscita, formato, righe,
                          adc ? std::optional(Descrivi(*adc)) : std::nullopt, VERSIONE_NTC);
        } catch (const std::invalid_argument& errore) {
            throw ErroreUso(errore.what());
        }
        return;
    }
    // Every row is checked before any is written, so that a row without a result leaves no
    // half table behind; computing a row twice costs far less than holding all of them.
    for (long i = 0; i < griglia.righe; ++i) {
        (void)riga(i);
    }
    constexpr size_t BLOCCO = size_t{64} * 1024;
    ScriviTestaTabella(uscita, formato, adc.has_value(), static_cast<size_t>(griglia.righe),
                       VERSIONE_NTC);
    for (long i = 0; i < griglia.righe; ++i) {
        ScriviRigaTabella(uscita, formato, riga(i), i == 0);
        if (scarico && uscita.size() >= BLOCCO) {
            scarico(uscita);
        }
    }
    ScriviCodaTabella(uscita, formato, false);
}
