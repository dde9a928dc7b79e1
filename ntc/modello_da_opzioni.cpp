#include "ntc/modello_da_opzioni.h"

#include "modelli/file_modello.h"
#include "modelli/modello_beta.h"
#include "modelli/modello_esteso.h"
#include "modelli/modello_steinhart_hart.h"
#include "modelli/modello_tabella.h"
#include "modelli/tabella_csv.h"

#include <algorithm>

namespace {

std::array<double, 4> Numeri(const Argomenti& argomenti, std::string_view nome) {
    std::array<double, 4> numeri{};
    const auto& valori = argomenti.Valori(nome);
    for (size_t i = 0; i < valori.size() && i < numeri.size(); ++i) {
        numeri[i] = LeggiValore(valori[i], "--" + std::string(nome));
    }
    return numeri;
}

} // namespace

double NumeroOpzione(const Argomenti& argomenti, std::string_view nome, double predefinito) {
    const auto& valori = argomenti.Valori(nome);
    return valori.empty() ? predefinito : LeggiValore(valori.front(), "--" + std::string(nome));
}

double NumeroOpzione(const Argomenti& argomenti, std::string_view nome) {
    if (!argomenti.Ha(nome)) {
        throw ErroreUso("manca l'opzione --" + std::string(nome));
    }
    return NumeroOpzione(argomenti, nome, 0);
}

std::vector<PuntoRT> LeggiPuntiTabella(const std::string& percorso) {
    TabellaLetta letta = LeggiFileTabellaCSV(percorso);
    if (!letta.erroreFile.empty()) {
        throw ErroreDati(percorso + ": " + letta.erroreFile);
    }
    if (!letta.errori.empty()) {
        std::string testo;
        for (const ErroreRiga& errore : letta.errori) {
            testo += (testo.empty() ? "" : "\n") + percorso + ":" + std::to_string(errore.riga) +
                     ": " + errore.motivo;
        }
        throw ErroreDati(testo);
    }
    return std::move(letta.righe);
}

std::unique_ptr<ModelloNTC> CostruisciModello(const Argomenti& argomenti) {
    const bool beta = argomenti.Ha("r0") || argomenti.Ha("beta") || argomenti.Ha("t0");
    const bool sh = argomenti.Ha("sh");
    const bool esteso = argomenti.Ha("esteso") || argomenti.Ha("rif");
    const bool tabella = argomenti.Ha("tabella");
    const bool file = argomenti.Ha("file");
    const int quanti = static_cast<int>(beta) + static_cast<int>(sh) + static_cast<int>(esteso) +
                       static_cast<int>(tabella) + static_cast<int>(file);
    if (quanti == 0) {
        throw ErroreUso("manca il modello: --r0 OHM --beta K, --sh A B C, "
                        "--esteso A1 B1 C1 D1 --rif OHM, --tabella FILE.csv o "
                        "--file PARAMETRI.ntc");
    }
    if (quanti > 1) {
        throw ErroreUso("un modello solo: --r0/--beta, --sh, --esteso, --tabella o --file");
    }
    if (file) {
        const std::string& percorso = argomenti.Valori("file").front();
        const auto caricato = CaricaModello(percorso);
        if (!caricato.Riuscito()) {
            throw ErroreDati(percorso + ": " + caricato.Motivo());
        }
        return CreaModello(caricato.Valore());
    }
    if (beta) {
        const ParametriBeta parametri{NumeroOpzione(argomenti, "r0"),
                                      NumeroOpzione(argomenti, "beta"),
                                      NumeroOpzione(argomenti, "t0", 25)};
        if (parametri.R0 <= 0) {
            throw ErroreDati("R0 deve essere positivo");
        }
        return std::make_unique<ModelloBeta>(parametri);
    }
    if (sh) {
        const auto [a, b, c, d] = Numeri(argomenti, "sh");
        return std::make_unique<ModelloSteinhartHart>(ParametriSteinhartHart{a, b, c});
    }
    if (esteso) {
        if (!argomenti.Ha("esteso")) {
            throw ErroreUso("--rif va con --esteso A1 B1 C1 D1");
        }
        const auto [a1, b1, c1, d1] = Numeri(argomenti, "esteso");
        const double rif = NumeroOpzione(argomenti, "rif");
        if (rif <= 0) {
            throw ErroreDati("Rrif deve essere positivo");
        }
        return std::make_unique<ModelloEsteso>(ParametriEsteso{a1, b1, c1, d1, rif});
    }
    auto creata = ModelloTabella::Crea(LeggiPuntiTabella(argomenti.Valori("tabella").front()));
    if (!creata.Riuscito()) {
        throw ErroreDati(argomenti.Valori("tabella").front() + ": " + creata.Motivo());
    }
    return std::make_unique<ModelloTabella>(std::move(creata.Valore()));
}
