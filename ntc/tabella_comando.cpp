#include "calcoli/tabella.h"
#include "ntc/griglia_da_opzioni.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/partitore_da_opzioni.h"
#include "ntc/sottocomandi.h"

#include <algorithm>
#include <cmath>

namespace {

std::string NomiRiscaldatori() {
    std::string nomi;
    for (const RiscaldatoreMarlin& r : RISCALDATORI_MARLIN) {
        nomi += (nomi.empty() ? "" : ", ") + std::string(r.nome);
    }
    return nomi;
}

std::string NomiFormati() {
    std::string nomi;
    const auto tutti = TuttiIFormati();
    for (std::size_t i = 0; i < tutti.size(); ++i) {
        nomi += i == 0 ? "" : (i + 1 == tutti.size() ? " o " : ", ");
        nomi += NomeFormato(tutti[i]);
    }
    return nomi;
}

FormatoTabella FormatoRichiesto(const Argomenti& argomenti) {
    const auto& nome = argomenti.Valori("formato");
    auto formato = nome.empty() ? FormatoTabella(FormatoCsv{}) : FormatoDaNome(nome.front());
    if (!formato) {
        throw ErroreUso("--formato vuole " + NomiFormati());
    }
    if (argomenti.Ha("json")) {
        if (!nome.empty() && !std::holds_alternative<FormatoJson>(*formato)) {
            throw ErroreUso("--json e --formato " + nome.front() + " insieme");
        }
        formato = FormatoJson{};
    }
    if (argomenti.Ha("virgola") && !std::holds_alternative<FormatoCsv>(*formato)) {
        throw ErroreUso("--virgola vale solo per il formato csv");
    }
    return *formato;
}

} // namespace

void EseguiTabella(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/,
                   const Scarico& scarico) {
    if (!argomenti.valori.empty()) {
        throw ErroreUso("valore inatteso: " + argomenti.valori.front());
    }
    const auto [modello, parametri] = CostruisciModelloEParametri(argomenti);
    const FormatoTabella formato = FormatoRichiesto(argomenti);
    ContestoTabella contesto;
    contesto.partitore =
        PartitoreDaOpzioni(argomenti, BitFormato(formato).value_or(BIT_PREDEFINITI));
    contesto.virgola = argomenti.Ha("virgola");
    contesto.parametri = parametri;
    if (argomenti.Ha("nome")) {
        contesto.nome = argomenti.Valori("nome").front();
        if (std::string motivo = VerificaNome(contesto.nome); !motivo.empty()) {
            throw ErroreUso(motivo);
        }
    }
    if (argomenti.Ha("riscaldatore")) {
        contesto.riscaldatore = argomenti.Valori("riscaldatore").front();
        if (RiscaldatoreDaNome(contesto.riscaldatore) == nullptr) {
            throw ErroreUso("--riscaldatore vuole " + NomiRiscaldatori());
        }
    }
    if (argomenti.Ha("numero")) {
        const double numero = NumeroOpzione(argomenti, "numero");
        if (numero != std::trunc(numero)) {
            throw ErroreUso("--numero vuole un intero");
        }
        contesto.numeroMarlin = static_cast<long>(std::clamp(numero, -1.0, 1e9));
        if (std::string motivo = VerificaNumeroMarlin(contesto.numeroMarlin); !motivo.empty()) {
            throw ErroreUso(motivo);
        }
    }
    const Griglia griglia = GrigliaDaOpzioni(argomenti);
    if (const auto errore = ScriviTabella(uscita, formato, *modello, griglia, contesto, scarico)) {
        if (errore->tipo == ErroreTabella::Tipo::Formato) {
            throw ErroreUso(errore->motivo);
        }
        throw ErroreDati(errore->motivo);
    }
}
