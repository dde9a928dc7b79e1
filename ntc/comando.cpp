#include "ntc/comando.h"

#include "calcoli/versione.h"
#include "ntc/aiuto.h"
#include "ntc/argomenti.h"
#include "ntc/completamento.h"
#include "ntc/sottocomandi.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

void AggiungiMessaggio(std::string& errori, std::string_view messaggio) {
    size_t inizio = 0;
    while (inizio < messaggio.size()) {
        const size_t fine = std::min(messaggio.find('\n', inizio), messaggio.size());
        errori += "brevanto-ntc: ";
        errori += messaggio.substr(inizio, fine - inizio);
        errori += '\n';
        inizio = fine + 1;
    }
}

// --help anywhere among the options asks for the subcommand's help, whatever else is
// wrong with the line.
bool ChiedeAiuto(std::span<const std::string_view> parole) {
    const auto fine = std::find(parole.begin(), parole.end(), "--");
    return std::find(parole.begin(), fine, "--help") != fine;
}

int Errore(std::string& uscita, std::string& errori, std::string_view messaggio, int stato,
           std::string_view sottocomando) {
    uscita.clear();
    AggiungiMessaggio(errori, messaggio);
    if (stato == STATO_USO) {
        errori += "brevanto-ntc: prova 'brevanto-ntc ";
        errori += sottocomando;
        errori += sottocomando.empty() ? "--help'.\n" : " --help'.\n";
    }
    return stato;
}

} // namespace

int EseguiComando(std::span<const std::string_view> argomenti, std::string& uscita,
                  std::string& errori, const Scarico& scarico) {
    if (argomenti.empty()) {
        return Errore(uscita, errori, "manca il sottocomando", STATO_USO, "");
    }
    const std::string_view primo = argomenti.front();
    if (primo == "--help") {
        uscita += TestoAiuto("");
        return STATO_FATTO;
    }
    if (primo == COMPLETAMENTO) {
        uscita += ParoleCompletamento(argomenti.subspan(1));
        return STATO_FATTO;
    }
    if (primo == "--version") {
        uscita += "brevanto-ntc ";
        uscita += VERSIONE_BREVANTO;
        uscita += '\n';
        return STATO_FATTO;
    }
    const auto& tutti = Sottocomandi();
    const auto trovato = std::find_if(tutti.begin(), tutti.end(),
                                      [primo](const Sottocomando& s) { return s.nome == primo; });
    if (trovato == tutti.end()) {
        return Errore(uscita, errori, "sottocomando sconosciuto '" + std::string(primo) + "'",
                      STATO_USO, "");
    }
    const auto resto = argomenti.subspan(1);
    if (ChiedeAiuto(resto)) {
        uscita += TestoAiuto(primo);
        return STATO_FATTO;
    }
    std::string avvisi;
    try {
        trovato->esegui(DividiArgomenti(primo, resto, trovato->opzioni), uscita, avvisi, scarico);
    } catch (const ErroreUso& errore) {
        return Errore(uscita, errori, errore.what(), STATO_USO, primo);
    } catch (const ErroreDati& errore) {
        return Errore(uscita, errori, errore.what(), STATO_DATI, primo);
    }
    AggiungiMessaggio(errori, avvisi);
    return STATO_FATTO;
}
