#include "ntc/aiuto.h"

#include "modelli/registro_modelli.h"
#include "ntc/modello_da_opzioni.h"

#include <array>
#include <string>
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
  progetto MODELLO --da T --a T --bit N   resistenza in serie, risoluzione ed errori di un ADC

@MODELLI@
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
@MODELLO@)";

constexpr std::string_view RESISTENZA = R"(Uso: brevanto-ntc resistenza MODELLO [--json] T...
Per ogni temperatura T (°C) una riga CSV "T,R" con la resistenza R (ohm);
con --json un array di oggetti {"T": ..., "R": ...}.
@MODELLO@)";

constexpr std::string_view ADATTA =
    R"(Uso: brevanto-ntc adatta --modello @TIPI@
                          (--punti T:R T:R ... | --tabella FILE.csv)
                          [--pesi P P ...] [--t0 C] [--rif OHM] [--salva FILE.ntc] [--json]
Coefficienti del modello dai punti (°C:ohm): Beta esatto da due punti, Steinhart-Hart
esatto da tre, altrimenti minimi quadrati (pesati con --pesi, uno per punto). --t0 è la
T0 del Beta (predefinita 25 °C); --rif la Rrif delle forme estese (predefinita la R del
punto più vicino a 25 °C).
@ADATTAMENTI@Uscita: righe chiave=valore (modello, coefficienti, residuo_max_K, residui_K per punto);
con --json un oggetto con le stesse chiavi e avvisi. Se Steinhart-Hart dà C <= 0 si
offre anche il Beta dei due punti estremi (beta_estremi) e gli avvisi vanno su standard
error.
--salva scrive il modello adattato nel file di parametri: [NTC] R0 (a 25 °C) e B
(B25/85 se il modello non è Beta) per la calcolatrice, i coefficienti a piena precisione
nella sezione del modello, il tipo in [Modello]; il resto del file resta.
)";

constexpr std::string_view BETA = R"(Uso: brevanto-ntc beta MODELLO --tra T1 T2 [--json]
B (kelvin) tra due temperature (°C) del modello: ln(R1/R2) / (1/T1 - 1/T2).
Stampa il numero; con --json {"B": ..., "T1": ..., "T2": ...}.
@MODELLO@)";

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
@MODELLO@)";

constexpr std::string_view TOLLERANZA =
    R"(Uso: brevanto-ntc tolleranza MODELLO [--tol-r25 PERCENTO] [--tol-b PERCENTO] [--json] T...
Caso peggiore a ogni temperatura (°C) di un pezzo con R25 entro ±tol-r25 % e B entro
±tol-b %: intestazione T_C,R_percento,T_gradi, poi la tolleranza di R in ±% e quella di T
in ±°C; con --json oggetti {"T", "R_percento", "gradi"}.
@MODELLO@)";

constexpr std::string_view PARTITORE =
    R"(Uso: brevanto-ntc partitore MODELLO --partitore OHM [--verso massa|alimentazione]
                             [--vref V] [--bit N] [--adc] [--json] VALORI...
Per ogni temperatura (°C), o con --adc per ogni conteggio ADC, una riga
T_C,R_ohm,V,adc: temperatura, resistenza, tensione d'uscita e conteggio non arrotondato
(V / Vref * 2^bit). --partitore è la resistenza in serie (ohm); --verso dove sta il
termistore (predefinito massa); --vref predefinita 3.3 V; --bit predefiniti 12.
Con --json oggetti {"T", "R", "V", "adc"}.
@MODELLO@)";

constexpr std::string_view AUTORISCALDAMENTO =
    R"(Uso: brevanto-ntc autoriscaldamento MODELLO --partitore OHM --dissipazione MW_K
                                     [--verso massa|alimentazione] [--vref V] [--json] T...
Potenza nel termistore del partitore a ogni temperatura (°C) e sovratemperatura che
causa con la costante di dissipazione (mW/K): intestazione T_C,R_ohm,P_mW,dT_K; con
--json oggetti {"T", "R", "P_mW", "dT_K"}. --vref predefinita 3.3 V.
@MODELLO@)";

constexpr std::string_view PROGETTO =
    R"(Uso: brevanto-ntc progetto MODELLO --da T --a T [--passo dT] --bit N [--vref V]
                            [--verso massa|alimentazione] [--serie E12|E24|E48|E96]
                            [--criterio risoluzione|errore|a-temperatura]
                            [--a-temperatura T] [--tol-r25 %] [--tol-b %] [--tol-serie %]
                            [--adc-lsb L] [--rif-separato %] [--dissipazione MW_PER_K]
                            [--partitore OHM] [--json|--virgola]
Il circuito di misura: il termistore in un partitore con una resistenza in serie, letto
da un ADC di --bit bit con riferimento --vref (predefinita 3.3 V), da --da a --a (°C) a
passi di --passo (predefinito 1 K; al più 10000 righe).
Senza --partitore sceglie la resistenza in serie tra i valori della --serie (predefinita
E96) nelle decadi che le resistenze dell'intervallo toccano, ordinati per --criterio:
  risoluzione    la peggiore risoluzione (K per conteggio) sull'intervallo
  errore         il peggiore errore totale (somma dei contributi); predefinito
  a-temperatura  la risoluzione alla temperatura --a-temperatura T, dentro l'intervallo
Intestazione posto,R_serie_ohm,valore_criterio,perdita_percento,risoluzione_K,errore_K,
errore_rss_K,autoriscaldamento_K; la riga "ottimo" è la resistenza migliore in assoluto,
poi i primi 10 valori della serie e "vicino", il valore della serie più vicino
all'ottimo; perdita_percento dice quanto il criterio è peggiore che all'ottimo.
Con --partitore OHM il bilancio d'errore di quella resistenza, una riga per temperatura:
T_C,R_ohm,V,adc (non arrotondato),adc_per_K (sensibilità),K_per_adc (risoluzione), i
contributi in ±K, poi i totali peggiore_K (la somma) e rss_K (la radice della somma dei
quadrati):
  r25_K      tolleranza di R25, --tol-r25 (predefinita 1 %)
  b_K        tolleranza di B, --tol-b (1 %), in proporzione a |ln(R/R25)|
  serie_K    tolleranza della resistenza in serie, --tol-serie (1 %)
  adc_K      mezzo LSB di quantizzazione più l'errore dell'ADC, --adc-lsb (0 LSB)
  rif_K      con --rif-separato: il riferimento dell'ADC, separato dall'alimentazione del
             partitore, se ne scosta fino a tanti %
  autoriscaldamento_K  con --dissipazione (mW/K): P = V²/R nel termistore, ΔT = P/δ; la
             lettura è sempre alta, mai bassa
Le tolleranze, Vref e la dissipazione vanno positive. --virgola scrive ";" e la virgola
decimale; --json un oggetto (serie, criterio, ottimo, vicino, candidati) o un array di
oggetti con i nomi delle colonne.
Esempio: un termistore da 100 kΩ, B 4267 K, di un hotend, su un ADC a 12 bit e 3,3 V:
  $ brevanto-ntc progetto --r0 100000 --beta 4267 --da 20 --a 300 --bit 12 \
        --criterio risoluzione --dissipazione 1.5
  posto,R_serie_ohm,valore_criterio,perdita_percento,risoluzione_K,errore_K,...
  ottimo,1787.141339810205,0.36109882558927237,0,0.36109882558927237,7.218201129793834,...
  1,1780,0.36250754508605676,0.39012021002435837,0.36250754508605676,7.219165039609548,...
  ...
@MODELLO@)";

constexpr std::array<std::pair<std::string_view, std::string_view>, 9> TESTI{{
    {"temperatura", TEMPERATURA},
    {"resistenza", RESISTENZA},
    {"adatta", ADATTA},
    {"beta", BETA},
    {"tabella", TABELLA},
    {"tolleranza", TOLLERANZA},
    {"partitore", PARTITORE},
    {"autoriscaldamento", AUTORISCALDAMENTO},
    {"progetto", PROGETTO},
}};

constexpr std::size_t LARGHEZZA = 90;
constexpr std::size_t COLONNA_SPIEGAZIONE = 32;

void Sostituisci(std::string& testo, std::string_view segnaposto, const std::string& valore) {
    const size_t dove = testo.find(segnaposto);
    if (dove != std::string::npos) {
        testo.replace(dove, segnaposto.size(), valore);
    }
}

// Words broken into lines of the help's width, the later lines indented under the first.
std::string Avvolgi(std::string_view parole, std::string_view rientro) {
    std::string testo;
    std::size_t riga = rientro.size();
    while (!parole.empty()) {
        const size_t spazio = parole.find(' ');
        const std::string_view parola = parole.substr(0, spazio);
        if (riga + parola.size() + 1 > LARGHEZZA && riga > rientro.size()) {
            testo += '\n';
            testo += std::string(rientro.size(), ' ');
            riga = rientro.size();
        } else if (riga > rientro.size()) {
            testo += ' ';
            ++riga;
        }
        testo += parola;
        riga += parola.size();
        parole = spazio == std::string_view::npos ? "" : parole.substr(spazio + 1);
    }
    return testo;
}

// An option and what it does, the second in its column; below, when the first is too long.
std::string Colonne(std::string sinistra, std::string_view destra) {
    if (sinistra.size() >= COLONNA_SPIEGAZIONE) {
        sinistra += '\n';
        sinistra += std::string(COLONNA_SPIEGAZIONE, ' ');
    } else {
        sinistra.resize(COLONNA_SPIEGAZIONE, ' ');
    }
    return sinistra + std::string(destra) + '\n';
}

std::string NomiTipi(std::string_view separatore) {
    std::string nomi;
    for (const TipoModello& tipo : TIPI_MODELLO) {
        nomi += nomi.empty() ? "" : separatore;
        nomi += tipo.nome;
    }
    return nomi;
}

std::string ElencoModelli() {
    std::string testo = "MODELLO:\n";
    for (const TipoModello& tipo : TIPI_MODELLO) {
        std::string opzioni;
        for (const OpzioneModello& o : tipo.opzioni) {
            opzioni += opzioni.empty() ? "" : " ";
            opzioni += (o.predefinito ? "[--" : "--") + std::string(o.nome) + ' ' +
                       std::string(o.segnaposto) + (o.predefinito ? "]" : "");
        }
        testo +=
            Colonne("  " + opzioni, std::string(tipo.titolo) + ": " + std::string(tipo.formula));
    }
    testo +=
        Colonne("  --tabella FILE.csv", "tabella del produttore (righe °C,ohm), senza estrapolare");
    testo +=
        Colonne("  --file PARAMETRI.ntc", "il modello di un file di parametri (di Brevanto o di");
    testo += Colonne("", "adatta --salva)");
    return testo;
}

std::string ElencoAdattamenti() {
    std::string testo = "Modelli, chiavi dei coefficienti, sezione nel file, punti minimi:\n";
    for (const TipoModello& tipo : TIPI_MODELLO) {
        std::string chiavi;
        for (const CoefficienteModello& c : tipo.coefficienti) {
            chiavi += std::string(c.chiave) + ' ';
        }
        testo +=
            Colonne("  " + std::string(tipo.nome), chiavi + "[" + std::string(tipo.sezione) + "] " +
                                                       std::to_string(tipo.puntiMinimi));
    }
    return testo;
}

} // namespace

std::string TestoAiuto(std::string_view sottocomando) {
    std::string_view modello = PROGRAMMA;
    for (const auto& [nome, testo] : TESTI) {
        if (nome == sottocomando) {
            modello = testo;
        }
    }
    std::string testo(modello);
    Sostituisci(testo, "@MODELLI@", ElencoModelli());
    Sostituisci(testo, "@MODELLO@", "MODELLO: " + Avvolgi(SinossiModello(), "MODELLO: ") + '\n');
    Sostituisci(testo, "@TIPI@", NomiTipi("|"));
    Sostituisci(testo, "@ADATTAMENTI@", ElencoAdattamenti());
    return testo;
}
