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
  --cifre N     numeri arrotondati a N cifre significative, per leggerli
  --virgola     CSV con ";" e virgola decimale, per i fogli di calcolo
  --help, -h    questo aiuto; "brevanto-ntc help SOTTOCOMANDO" o "SOTTOCOMANDO --help"
                quello di un sottocomando
  --version     la versione

Le opzioni si scrivono --nome VALORE o --nome=VALORE; un numero negativo è un valore
(-40), mai un'opzione; dopo "--" tutto è valore. I numeri si scrivono e si stampano con
il punto decimale, in ogni lingua: "3,5" non si legge, perché la virgola separa i campi
del CSV che il comando scrive e una riga di script deve dire lo stesso in ogni lingua.
Senza --cifre si stampano le cifre più brevi che rileggono lo stesso double.
Le resistenze (le opzioni OHM, le R di temperatura e di --punti) si scrivono anche come
gli elettronici: 470R, 4R7, 10k, 4k7, 2.2k, 10K, 1M.
Stato d'uscita: 0 fatto, 1 dati non validi (file, adattamento, fuori tabella), 2 uso errato.

Esempio:
  $ brevanto-ntc resistenza --r0 10k --beta 3950 25 100
  25,10000
  100,697.5197729861881
)";

constexpr std::string_view TEMPERATURA =
    R"(Uso: brevanto-ntc temperatura MODELLO [--cifre N] [--virgola] [--json] R...
Per ogni resistenza R (ohm, anche 4k7, 10k, 1M) una riga CSV "R,T" con la temperatura T
(°C); con --json un array di oggetti {"R": ..., "T": ...}.
@NUMERI@@MODELLO@
Esempio:
  $ brevanto-ntc temperatura --r0 10k --beta 3950 4k7 12000
  4700,43.01839551879664
  12000,20.952614018335396
)";

constexpr std::string_view RESISTENZA =
    R"(Uso: brevanto-ntc resistenza MODELLO [--cifre N] [--virgola] [--json] T...
Per ogni temperatura T (°C) una riga CSV "T,R" con la resistenza R (ohm);
con --json un array di oggetti {"T": ..., "R": ...}.
@NUMERI@@MODELLO@
Esempio:
  $ brevanto-ntc resistenza --r0 10k --beta 3950 --cifre 5 -40 25 100
  -40,401860
  25,10000
  100,697.52
)";

constexpr std::string_view ADATTA =
    R"(Uso: brevanto-ntc adatta --modello @TIPI@
                          (--punti T:R T:R ... | --tabella FILE.csv)
                          [--pesi P P ...] [--t0 C] [--r0 OHM] [--rif OHM]
                          [--salva FILE.ntc] [--cifre N] [--json]
Coefficienti del modello dai punti (°C:ohm): Beta esatto da due punti, Steinhart-Hart
esatto da tre, altrimenti minimi quadrati (pesati con --pesi, uno per punto). --t0 è la
T0 del Beta (predefinita 25 °C); con --r0 la R a T0 resta quella data e si adatta solo
B (minimi quadrati di ln(R/R0) su 1/T - 1/T0); --rif la Rrif delle forme estese
(predefinita la R del punto più vicino a 25 °C). --cifre N arrotonda i numeri stampati
(non quelli salvati) a N cifre significative.
@ADATTAMENTI@Uscita: righe chiave=valore (modello, coefficienti, residuo_max_K, residui_K per punto);
con --json un oggetto con le stesse chiavi e avvisi. Se Steinhart-Hart dà C <= 0 si
offre anche il Beta dei due punti estremi (beta_estremi) e gli avvisi vanno su standard
error.
--salva scrive il modello adattato nel file di parametri: [NTC] R0 (a 25 °C) e B
(B25/85 se il modello non è Beta) per la calcolatrice, i coefficienti a piena precisione
nella sezione del modello, il tipo in [Modello]; il resto del file resta.
Esempio (B di un 10 kΩ da tre righe della sua tabella):
  $ brevanto-ntc adatta --modello beta --r0 10k --punti 0:27219 50:4161 85:1452 --cifre 5
  modello=beta
  R0=10000
  B=3392.4
  T0=25
  residuo_max_K=0.8897
  residui_K=0.88396,-0.10559,0.8897
)";

constexpr std::string_view BETA =
    R"(Uso: brevanto-ntc beta MODELLO --tra T1 T2 [--cifre N] [--json]
B (kelvin) tra due temperature (°C) del modello: ln(R1/R2) / (1/T1 - 1/T2).
Stampa il numero; con --json {"B": ..., "T1": ..., "T2": ...}. --cifre N lo arrotonda a
N cifre significative.
@MODELLO@
Esempio (B25/85 di uno Steinhart-Hart):
  $ brevanto-ntc beta --sh 1.1e-3 2.4e-4 7.5e-8 --tra 25 85
  3926.6782632196046
)";

constexpr std::string_view TABELLA =
    R"(Uso: brevanto-ntc tabella MODELLO --da T --a T --passo dT
                           [--formato csv|json|c|marlin|klipper|esphome] [--virgola] [--json]
                           [--partitore OHM [--verso massa|alimentazione] [--vref V] [--bit N]]
                           [--nome NOME] [--riscaldatore R] [--numero N]
Tabella R-T da --da a --a (°C, compresi) a passi di --passo; fino a 1000000 righe.
  csv      intestazione T_C,R_ohm,alfa_1_K[,adc], poi una riga per temperatura;
           alfa = d ln R / dT in 1/K; adc (con --partitore) il conteggio arrotondato
  --virgola  csv con ";" e virgola decimale, per i fogli di calcolo
  json     array di oggetti {"T", "R", "alfa"[, "adc"]}; --json vale --formato json
  c        header C: NOME_tabella di struct NOME_riga { t_c, r_ohm[, adc] }
  marlin   un Beta o Steinhart-Hart verso massa come termistore personalizzato di Marlin
           (sensore 1000: le impostazioni di Configuration_adv.h e il comando M305);
           ogni altro modello come tabella temptable_N (--numero N, predefinito 901,
           un numero che Marlin non usa) di conteggi a 10 bit con due decimali, gradi
           interi, al più 254 righe; vuole --partitore
  klipper  sezione [thermistor NOME] (Beta: temperature1, resistance1, beta; altrimenti
           tre punti) o [adc_temperature NOME] quando una tabella di resistenze legge il
           modello più da vicino; il pull-up, se non è 4700, da copiare nel riscaldatore
  esphome  sensori adc, resistance e ntc (Beta: b_constant; altrimenti tre punti);
           vuole --partitore
Ogni formato per firmware si apre con un commento: il modello, il partitore e le righe da
aggiungere alla configurazione.
  --nome          il nome del sensore (lettere, cifre e _, una lettera in testa;
                  predefinito ntc): sezioni Klipper, id ESPHome, identificatori C, così
                  due sensori stanno nella stessa configurazione
  --riscaldatore  per Marlin: hotend0 ... hotend7, bed, chamber, cooler, probe, board o
                  redundant (predefinito hotend0)
Partitore: --partitore è la resistenza in serie (ohm); --verso dice dove sta il
termistore (massa, predefinito, o alimentazione); --vref la tensione che alimenta il
partitore e fa da riferimento all'ADC (predefinita 3.3 V); --bit i bit dell'ADC
(predefiniti 12). Conteggio = V / Vref * 2^bit.
@MODELLO@
Esempio:
  $ brevanto-ntc tabella --r0 10k --beta 3950 --da 0 --a 50 --passo 25
  T_C,R_ohm,alfa_1_K
  0,33620.60372143574,-0.052941310302120986
  25,10000,-0.04443523366422303
  50,3588.182581929083,-0.03782585688912636
)";

constexpr std::string_view TOLLERANZA =
    R"(Uso: brevanto-ntc tolleranza MODELLO [--tol-r25 PERCENTO] [--tol-b PERCENTO]
                              [--cifre N] [--virgola] [--json] T...
Caso peggiore a ogni temperatura (°C) di un pezzo con R25 entro ±tol-r25 % e B entro
±tol-b %: intestazione T_C,R_percento,T_gradi, poi la tolleranza di R in ±% e quella di T
in ±°C; con --json oggetti {"T", "R_percento", "gradi"}.
@NUMERI@@MODELLO@
Esempio (10 kΩ ±1 %, B ±1 %):
  $ brevanto-ntc tolleranza --r0 10k --beta 3435 --tol-r25 1 --tol-b 1 --cifre 3 -40 25 125
  T_C,R_percento,T_gradi
  -40,4.21,0.667
  25,1,0.259
  125,3.89,1.8
)";

constexpr std::string_view PARTITORE =
    R"(Uso: brevanto-ntc partitore MODELLO --partitore OHM [--verso massa|alimentazione]
                             [--vref V] [--bit N] [--adc] [--cifre N] [--virgola] [--json]
                             VALORI...
Per ogni temperatura (°C), o con --adc per ogni conteggio ADC, una riga
T_C,R_ohm,V,adc: temperatura, resistenza, tensione d'uscita e conteggio non arrotondato
(V / Vref * 2^bit). --partitore è la resistenza in serie (ohm); --verso dove sta il
termistore (predefinito massa); --vref predefinita 3.3 V; --bit predefiniti 12.
Con --json oggetti {"T", "R", "V", "adc"}.
@NUMERI@@MODELLO@
Esempio (10 kΩ sotto 10 kΩ, ADC a 12 bit):
  $ brevanto-ntc partitore --r0 10k --beta 3950 --partitore 10k --cifre 4 0 25 100
  T_C,R_ohm,V,adc
  0,33620,2.543,3157
  25,10000,1.65,2048
  100,697.5,0.2152,267.1
)";

constexpr std::string_view AUTORISCALDAMENTO =
    R"(Uso: brevanto-ntc autoriscaldamento MODELLO --partitore OHM --dissipazione MW_K
                                     [--verso massa|alimentazione] [--vref V]
                                     [--cifre N] [--virgola] [--json] T...
Potenza nel termistore del partitore a ogni temperatura (°C) e sovratemperatura che
causa con la costante di dissipazione (mW/K): intestazione T_C,R_ohm,P_mW,dT_K; con
--json oggetti {"T", "R", "P_mW", "dT_K"}. --vref predefinita 3.3 V.
@NUMERI@@MODELLO@
Esempio (dissipazione 1.5 mW/K):
  $ brevanto-ntc autoriscaldamento --r0 10k --beta 3950 --partitore 10k \
      --dissipazione 1.5 --cifre 3 25 100
  T_C,R_ohm,P_mW,dT_K
  25,10000,0.272,0.181
  100,698,0.0664,0.0443
)";

constexpr std::string_view NUMERI =
    R"(--cifre N arrotonda i numeri stampati a N cifre significative, per leggerli (senza,
le cifre più brevi che rileggono lo stesso double); --virgola scrive il CSV con ";" e la
virgola decimale, per i fogli di calcolo.
)";

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
@MODELLO@
Esempio: un termistore da 100 kΩ, B 4267 K, di un hotend, su un ADC a 12 bit e 3,3 V:
  $ brevanto-ntc progetto --r0 100000 --beta 4267 --da 20 --a 300 --bit 12 \
        --criterio risoluzione --dissipazione 1.5
  posto,R_serie_ohm,valore_criterio,perdita_percento,risoluzione_K,errore_K,...
  ottimo,1787.141339810205,0.36109882558927237,0,0.36109882558927237,7.218201129793834,...
  1,1780,0.36250754508605676,0.39012021002435837,0.36250754508605676,7.219165039609548,...
  ...
)";

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
    testo += Colonne("  --tabella FILE.csv",
                     "tabella del produttore (righe °C,ohm), senza estrapolare;");
    testo += Colonne("", "l'unità dell'intestazione si legge (kΩ, MΩ); al più 8 MiB");
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
    Sostituisci(testo, "@NUMERI@", std::string(NUMERI));
    return testo;
}
