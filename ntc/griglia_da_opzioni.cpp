#include "ntc/griglia_da_opzioni.h"

#include "ntc/modello_da_opzioni.h"

#include <variant>

Griglia GrigliaDaOpzioni(const Argomenti& argomenti,
                         std::optional<NumeroScritto> passoPredefinito) {
    const auto numero = [&](std::string_view nome) {
        return NumeroScritto{NumeroOpzione(argomenti, nome), argomenti.Valori(nome).front()};
    };
    const NumeroScritto da = numero("da");
    const NumeroScritto a = numero("a");
    const NumeroScritto passo =
        argomenti.Ha("passo") || !passoPredefinito ? numero("passo") : *passoPredefinito;
    const auto griglia = CalcolaGriglia(da, a, passo);
    if (const auto* errore = std::get_if<ErroreGriglia>(&griglia)) {
        throw ErroreUso(TestoErroreGriglia(*errore));
    }
    return std::get<Griglia>(griglia);
}
