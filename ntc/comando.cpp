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

bool EAiuto(std::string_view parola) {
    return parola == "--help" || parola == "-h";
}

// --help (or -h) anywhere among the options asks for the subcommand's help, whatever else
// is wrong with the line.
bool ChiedeAiuto(std::span<const std::string_view> parole) {
    const auto fine = std::find(parole.begin(), parole.end(), "--");
    return std::find_if(parole.begin(), fine, EAiuto) != fine;
}

std::vector<std::string_view> NomiSottocomandi() {
    std::vector<std::string_view> nomi;
    for (const Sottocomando& s : Sottocomandi()) {
        nomi.push_back(s.nome);
    }
    return nomi;
}

// What an unknown subcommand is told: the nearest one, and all of them.
std::string SottocomandoSconosciuto(std::string_view nome) {
    const std::vector<std::string_view> nomi = NomiSottocomandi();
    std::string testo = "sottocomando sconosciuto '" + std::string(nome) + "'" +
                        Suggerimento(nome, nomi, "") + "\nsottocomandi:";
    for (const std::string_view altro : nomi) {
        testo += ' ';
        testo += altro;
    }
    return testo;
}

const Sottocomando* TrovaSottocomando(std::string_view nome) {
    const auto& tutti = Sottocomandi();
    const auto trovato = std::find_if(tutti.begin(), tutti.end(),
                                      [nome](const Sottocomando& s) { return s.nome == nome; });
    return trovato == tutti.end() ? nullptr : &*trovato;
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
    if (EAiuto(primo)) {
        uscita += TestoAiuto("");
        return STATO_FATTO;
    }
    // "help" and "help SOTTOCOMANDO", as many programs take them.
    if (primo == AIUTO) {
        if (argomenti.size() > 2) {
            return Errore(uscita, errori, "help vuole al più un sottocomando", STATO_USO, "");
        }
        const std::string_view chiesto =
            argomenti.size() == 2 && !EAiuto(argomenti[1]) ? argomenti[1] : "";
        if (!chiesto.empty() && TrovaSottocomando(chiesto) == nullptr) {
            return Errore(uscita, errori, SottocomandoSconosciuto(chiesto), STATO_USO, "");
        }
        uscita += TestoAiuto(chiesto);
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
    const Sottocomando* trovato = TrovaSottocomando(primo);
    if (trovato == nullptr) {
        return Errore(uscita, errori, SottocomandoSconosciuto(primo), STATO_USO, "");
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
