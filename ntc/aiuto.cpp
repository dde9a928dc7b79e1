#include "ntc/aiuto.h"

#include <array>
#include <utility>

namespace {

constexpr std::string_view PROGRAMMA = R"(Uso: brevanto-ntc SOTTOCOMANDO [OPZIONI] [VALORI]
Calcoli su termistori NTC: conversioni, adattamento di modelli, tabelle per firmware.

Sottocomandi:
  temperatura MODELLO R...      temperatura (°C) per ogni resistenza (ohm)
  resistenza MODELLO T...       resistenza (ohm) per ogni temperatura (°C)
  adatta                        coefficienti di un modello da punti T:R o da una tabella
  beta MODELLO --tra T1 T2      B tra due temperature (B25/50, B25/85, ...)
  tabella MODELLO --da T --a T --passo dT   tabella R-T, anche per firmware
  tolleranza MODELLO T...       tolleranza in ±°C da quelle di R25 e di B
  partitore MODELLO T...        tensione e conteggi ADC di un partitore, e viceversa
  autoriscaldamento MODELLO T...  potenza nel termistore e sovratemperatura

MODELLO:
  --r0 OHM --beta K [--t0 C]    modello Beta (T0 predefinita 25 °C)
  --sh A B C                    Steinhart-Hart: 1/T = A + B ln R + C (ln R)^3
  --esteso A1 B1 C1 D1 --rif OHM  1/T = A1 + B1 x + C1 x^2 + D1 x^3, x = ln(R/Rrif)
  --tabella FILE.csv            tabella del produttore (righe °C,ohm), senza estrapolare
  --file PARAMETRI.ntc          il modello di un file di parametri (di Brevanto o di
                                adatta --salva)

Opzioni:
  --json        uscita JSON
  --help        questo aiuto (anche dopo un sottocomando)
  --version     la versione

Le opzioni si scrivono --nome VALORE o --nome=VALORE; un numero negativo è un valore
(-40), mai un'opzione; dopo "--" tutto è valore. I numeri si scrivono e si stampano con
il punto decimale, in ogni lingua, con le cifre più brevi che rileggono lo stesso double.
Stato d'uscita: 0 fatto, 1 dati non validi (file, adattamento, fuori tabella), 2 uso errato.
)";

constexpr std::string_view TEMPERATURA = R"(Uso: brevanto-ntc temperatura MODELLO [--json] R...
Per ogni resistenza R (ohm) una riga CSV "R,T" con la temperatura T (°C);
con --json un array di oggetti {"R": ..., "T": ...}.
MODELLO: --r0 OHM --beta K [--t0 C] | --sh A B C | --esteso A1 B1 C1 D1 --rif OHM |
         --tabella FILE.csv | --file PARAMETRI.ntc
)";

constexpr std::string_view RESISTENZA = R"(Uso: brevanto-ntc resistenza MODELLO [--json] T...
Per ogni temperatura T (°C) una riga CSV "T,R" con la resistenza R (ohm);
con --json un array di oggetti {"T": ..., "R": ...}.
MODELLO: --r0 OHM --beta K [--t0 C] | --sh A B C | --esteso A1 B1 C1 D1 --rif OHM |
         --tabella FILE.csv | --file PARAMETRI.ntc
)";

constexpr std::string_view ADATTA =
    R"(Uso: brevanto-ntc adatta --modello beta|steinhart-hart|esteso
                          (--punti T:R T:R ... | --tabella FILE.csv)
                          [--pesi P P ...] [--t0 C] [--rif OHM] [--salva FILE.ntc] [--json]
Coefficienti del modello dai punti (°C:ohm): Beta esatto da due punti, Steinhart-Hart
esatto da tre, altrimenti minimi quadrati in 1/T (pesati con --pesi, uno per punto);
la forma estesa vuole almeno quattro punti (--rif: Rrif, predefinita la R del punto più
vicino a 25 °C). --t0 è la T0 del Beta (predefinita 25 °C).
Uscita: righe chiave=valore (modello, coefficienti, residuo_max_K, residui_K per punto);
con --json un oggetto con le chiavi modello, A B C | R0 B T0 | A1 B1 C1 D1 Rrif,
residuo_max_K, residui_K, avvisi. Se Steinhart-Hart dà C <= 0 si offre anche il Beta
dei due punti estremi (beta_estremi) e gli avvisi vanno su standard error.
--salva scrive il modello adattato nel file di parametri: [NTC] R0 (a 25 °C) e B
(B25/85 se il modello non è Beta) per la calcolatrice, i coefficienti a piena precisione
in [Beta], [Steinhart-Hart] o [Esteso], il tipo in [Modello]; il resto del file resta.
)";

constexpr std::string_view BETA = R"(Uso: brevanto-ntc beta MODELLO --tra T1 T2 [--json]
B (kelvin) tra due temperature (°C) del modello: ln(R1/R2) / (1/T1 - 1/T2).
Stampa il numero; con --json {"B": ..., "T1": ..., "T2": ...}.
MODELLO: --r0 OHM --beta K [--t0 C] | --sh A B C | --esteso A1 B1 C1 D1 --rif OHM |
         --tabella FILE.csv | --file PARAMETRI.ntc
)";

constexpr std::string_view TABELLA =
    R"(Uso: brevanto-ntc tabella MODELLO --da T --a T --passo dT
                           [--formato csv|json|c|marlin|klipper|esphome] [--virgola] [--json]
                           [--partitore OHM [--verso massa|alimentazione] [--vref V] [--bit N]]
Tabella R-T da --da a --a (°C, compresi) a passi di --passo; fino a 1000000 righe.
  csv      intestazione T_C,R_ohm,alfa_1_K[,adc], poi una riga per temperatura;
           alfa = d ln R / dT in 1/K; adc (con --partitore) il conteggio arrotondato
  --virgola  csv con ";" e virgola decimale, per i fogli di calcolo
  json     array di oggetti {"T", "R", "alfa"[, "adc"]}; --json vale --formato json
  c        header C: struct ntc_riga { t_c, r_ohm[, adc] } e la nota d'interpolazione
  marlin   tabella temptable_998 di Marlin: { OV(conteggio), °C } per conteggio crescente;
           vuole --partitore e gradi interi; --bit predefinito 10
  klipper  sezione [thermistor] con tre punti: primo, mediano e ultimo della tabella
  esphome  sensore ntc con tre punti di calibrazione (e il sensore resistance con
           --partitore)
Partitore: --partitore è la resistenza in serie (ohm); --verso dice dove sta il
termistore (massa, predefinito, o alimentazione); --vref la tensione che alimenta il
partitore e fa da riferimento all'ADC (predefinita 3.3 V); --bit i bit dell'ADC
(predefiniti 12). Conteggio = V / Vref * 2^bit.
MODELLO: --r0 OHM --beta K [--t0 C] | --sh A B C | --esteso A1 B1 C1 D1 --rif OHM |
         --tabella FILE.csv | --file PARAMETRI.ntc
)";

constexpr std::string_view TOLLERANZA =
    R"(Uso: brevanto-ntc tolleranza MODELLO [--tol-r25 PERCENTO] [--tol-b PERCENTO] [--json] T...
Caso peggiore a ogni temperatura (°C) di un pezzo con R25 entro ±tol-r25 % e B entro
±tol-b %: intestazione T_C,R_percento,T_gradi, poi la tolleranza di R in ±% e quella di T
in ±°C; con --json oggetti {"T", "R_percento", "gradi"}.
MODELLO: --r0 OHM --beta K [--t0 C] | --sh A B C | --esteso A1 B1 C1 D1 --rif OHM |
         --tabella FILE.csv | --file PARAMETRI.ntc
)";

constexpr std::string_view PARTITORE =
    R"(Uso: brevanto-ntc partitore MODELLO --partitore OHM [--verso massa|alimentazione]
                             [--vref V] [--bit N] [--adc] [--json] VALORI...
Per ogni temperatura (°C), o con --adc per ogni conteggio ADC, una riga
T_C,R_ohm,V,adc: temperatura, resistenza, tensione d'uscita e conteggio non arrotondato
(V / Vref * 2^bit). --partitore è la resistenza in serie (ohm); --verso dove sta il
termistore (predefinito massa); --vref predefinita 3.3 V; --bit predefiniti 12.
Con --json oggetti {"T", "R", "V", "adc"}.
MODELLO: --r0 OHM --beta K [--t0 C] | --sh A B C | --esteso A1 B1 C1 D1 --rif OHM |
         --tabella FILE.csv | --file PARAMETRI.ntc
)";

constexpr std::string_view AUTORISCALDAMENTO =
    R"(Uso: brevanto-ntc autoriscaldamento MODELLO --partitore OHM --dissipazione MW_K
                                     [--verso massa|alimentazione] [--vref V] [--json] T...
Potenza nel termistore del partitore a ogni temperatura (°C) e sovratemperatura che
causa con la costante di dissipazione (mW/K): intestazione T_C,R_ohm,P_mW,dT_K; con
--json oggetti {"T", "R", "P_mW", "dT_K"}. --vref predefinita 3.3 V.
MODELLO: --r0 OHM --beta K [--t0 C] | --sh A B C | --esteso A1 B1 C1 D1 --rif OHM |
         --tabella FILE.csv | --file PARAMETRI.ntc
)";

constexpr std::array<std::pair<std::string_view, std::string_view>, 8> TESTI{{
    {"temperatura", TEMPERATURA},
    {"resistenza", RESISTENZA},
    {"adatta", ADATTA},
    {"beta", BETA},
    {"tabella", TABELLA},
    {"tolleranza", TOLLERANZA},
    {"partitore", PARTITORE},
    {"autoriscaldamento", AUTORISCALDAMENTO},
}};

} // namespace

std::string_view TestoAiuto(std::string_view sottocomando) {
    for (const auto& [nome, testo] : TESTI) {
        if (nome == sottocomando) {
            return testo;
        }
    }
    return PROGRAMMA;
}
