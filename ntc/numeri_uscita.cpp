#include "ntc/numeri_uscita.h"

#include <cmath>
#include <string>

int CifreRichieste(const Argomenti& argomenti) {
    const auto& testo = argomenti.Valori(OPZIONE_CIFRE.nome);
    if (testo.empty()) {
        return 0;
    }
    const double cifre = LeggiValore(testo.front(), "--cifre");
    if (cifre != std::trunc(cifre) || cifre < 1 || cifre > CIFRE_MASSIME) {
        throw ErroreUso("--cifre vuole un intero da 1 a " + std::to_string(CIFRE_MASSIME));
    }
    return static_cast<int>(cifre);
}

FormaNumeri FormaRichiesta(const Argomenti& argomenti) {
    const bool virgola = argomenti.Ha(OPZIONE_VIRGOLA.nome);
    if (virgola && argomenti.Ha("json")) {
        throw ErroreUso("--virgola vale per il CSV, non con --json");
    }
    return {CifreRichieste(argomenti), virgola};
}

void VerificaFinito(double valore, std::string_view cosa, std::string_view dove) {
    if (!std::isfinite(valore)) {
        throw ErroreDati("nessun valore finito per " + std::string(cosa) + std::string(dove));
    }
}
