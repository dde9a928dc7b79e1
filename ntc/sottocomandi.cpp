#include "ntc/sottocomandi.h"

#include "ntc/modello_da_opzioni.h"
#include "ntc/numeri_uscita.h"
#include "ntc/partitore_da_opzioni.h"

#include <array>
#include <initializer_list>

namespace {

std::vector<Opzione> Unisci(std::initializer_list<std::span<const Opzione>> gruppi) {
    std::vector<Opzione> tutte;
    for (const auto gruppo : gruppi) {
        tutte.insert(tutte.end(), gruppo.begin(), gruppo.end());
    }
    return tutte;
}

} // namespace

const std::vector<Sottocomando>& Sottocomandi() {
    static constexpr std::array JSON{Opzione{"json", 0}};
    static constexpr std::array TRA{Opzione{"tra", 2}};
    static constexpr std::array TABELLA{Opzione{"da", 1},           Opzione{"a", 1},
                                        Opzione{"passo", 1},        Opzione{"formato", 1},
                                        Opzione{"virgola", 0},      Opzione{"nome", 1},
                                        Opzione{"riscaldatore", 1}, Opzione{"numero", 1}};
    static constexpr std::array ADATTA{Opzione{"modello", 1}, Opzione{"punti", MOLTI},
                                       Opzione{"tabella", 1}, Opzione{"pesi", MOLTI},
                                       Opzione{"salva", 1}};
    static const std::vector<Opzione> DATI = OpzioniDatiAdattamento();
    static const std::span<const Opzione> MODELLO = OpzioniModello();
    static constexpr std::array TOLLERANZA{Opzione{"tol-r25", 1}, Opzione{"tol-b", 1}};
    static constexpr std::array ADC{Opzione{"adc", 0}};
    static constexpr std::array RISCALDAMENTO{Opzione{"partitore", 1}, Opzione{"verso", 1},
                                              Opzione{"vref", 1}, Opzione{"dissipazione", 1}};
    static constexpr std::array CIFRE{OPZIONE_CIFRE};
    static constexpr std::array PROGETTO{Opzione{"da", 1},
                                         Opzione{"a", 1},
                                         Opzione{"passo", 1},
                                         Opzione{"bit", 1},
                                         Opzione{"vref", 1},
                                         Opzione{"verso", 1},
                                         Opzione{"serie", 1},
                                         Opzione{"criterio", 1},
                                         Opzione{"a-temperatura", 1},
                                         Opzione{"tol-r25", 1},
                                         Opzione{"tol-b", 1},
                                         Opzione{"tol-serie", 1},
                                         Opzione{"adc-lsb", 1},
                                         Opzione{"rif-separato", 1},
                                         Opzione{"dissipazione", 1},
                                         Opzione{"partitore", 1},
                                         OPZIONE_VIRGOLA};
    static const std::vector<Sottocomando> TUTTI{
        {"temperatura", EseguiTemperatura, Unisci({MODELLO, OPZIONI_NUMERI, JSON})},
        {"resistenza", EseguiResistenza, Unisci({MODELLO, OPZIONI_NUMERI, JSON})},
        {"adatta", EseguiAdatta, Unisci({ADATTA, DATI, CIFRE, JSON})},
        {"beta", EseguiBeta, Unisci({MODELLO, TRA, CIFRE, JSON})},
        {"tabella", EseguiTabella, Unisci({MODELLO, TABELLA, OPZIONI_PARTITORE, JSON})},
        {"tolleranza", EseguiTolleranza, Unisci({MODELLO, TOLLERANZA, OPZIONI_NUMERI, JSON})},
        {"partitore", EseguiPartitore,
         Unisci({MODELLO, OPZIONI_PARTITORE, ADC, OPZIONI_NUMERI, JSON})},
        {"autoriscaldamento", EseguiAutoriscaldamento,
         Unisci({MODELLO, RISCALDAMENTO, OPZIONI_NUMERI, JSON})},
        {"progetto", EseguiProgetto, Unisci({MODELLO, PROGETTO, JSON})},
    };
    return TUTTI;
}
