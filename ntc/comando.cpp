#include "ntc/comando.h"

#include "ntc/aiuto.h"
#include "ntc/argomenti.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/partitore_da_opzioni.h"
#include "ntc/sottocomandi.h"
#include "calcoli/versione.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

using Esecuzione = void (*)(const Argomenti&, std::string&, std::string&, const Scarico&);

struct Sottocomando {
    std::string_view nome;
    Esecuzione esegui;
    std::vector<Opzione> opzioni;
};

std::vector<Opzione> Unisci(std::initializer_list<std::span<const Opzione>> gruppi) {
    std::vector<Opzione> tutte;
    for (const auto gruppo : gruppi) {
        tutte.insert(tutte.end(), gruppo.begin(), gruppo.end());
    }
    return tutte;
}

const std::vector<Sottocomando>& Sottocomandi() {
    static constexpr std::array JSON{Opzione{"json", 0}};
    static constexpr std::array TRA{Opzione{"tra", 2}};
    static constexpr std::array TABELLA{Opzione{"da", 1}, Opzione{"a", 1}, Opzione{"passo", 1},
                                        Opzione{"formato", 1}, Opzione{"virgola", 0}};
    static constexpr std::array ADATTA{Opzione{"modello", 1}, Opzione{"punti", MOLTI},
                                       Opzione{"tabella", 1}, Opzione{"pesi", MOLTI},
                                       Opzione{"salva", 1}};
    static const std::vector<Opzione> DATI = OpzioniDatiAdattamento();
    static const std::span<const Opzione> MODELLO = OpzioniModello();
    static constexpr std::array TOLLERANZA{Opzione{"tol-r25", 1}, Opzione{"tol-b", 1}};
    static constexpr std::array ADC{Opzione{"adc", 0}};
    static constexpr std::array RISCALDAMENTO{Opzione{"partitore", 1}, Opzione{"verso", 1},
                                              Opzione{"vref", 1}, Opzione{"dissipazione", 1}};
    static const std::vector<Sottocomando> TUTTI{
        {"temperatura", EseguiTemperatura, Unisci({MODELLO, JSON})},
        {"resistenza", EseguiResistenza, Unisci({MODELLO, JSON})},
        {"adatta", EseguiAdatta, Unisci({ADATTA, DATI, JSON})},
        {"beta", EseguiBeta, Unisci({MODELLO, TRA, JSON})},
        {"tabella", EseguiTabella, Unisci({MODELLO, TABELLA, OPZIONI_PARTITORE, JSON})},
        {"tolleranza", EseguiTolleranza, Unisci({MODELLO, TOLLERANZA, JSON})},
        {"partitore", EseguiPartitore, Unisci({MODELLO, OPZIONI_PARTITORE, ADC, JSON})},
        {"autoriscaldamento", EseguiAutoriscaldamento,
         Unisci({MODELLO, RISCALDAMENTO, JSON})},
    };
    return TUTTI;
}

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
