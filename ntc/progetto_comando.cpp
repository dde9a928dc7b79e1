// brevanto-ntc progetto: the series resistor for a thermistor and an ADC, or the error
// budget of a given one.
#include "calcoli/progetto_testi.h"
#include "ntc/griglia_da_opzioni.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/partitore_da_opzioni.h"
#include "ntc/sottocomandi.h"

#include <algorithm>
#include <cmath>

namespace {

// One degree, unless --passo says otherwise.
constexpr NumeroScritto PASSO_PREDEFINITO{1, "1"};

CircuitoProgetto CircuitoRichiesto(const Argomenti& argomenti) {
    CircuitoProgetto circuito;
    const double bit = NumeroOpzione(argomenti, "bit");
    if (bit != std::trunc(bit)) {
        throw ErroreUso("--bit vuole un intero da 1 a 31");
    }
    // Out of int's range is out of 1…31 too, which the design's own check then says.
    circuito.bit = std::fabs(bit) <= BIT_MASSIMI ? static_cast<int>(bit) : 0;
    circuito.tensioneRif = NumeroOpzione(argomenti, "vref", VREF_PREDEFINITA);
    const auto& verso = argomenti.Valori("verso");
    const auto scelto =
        verso.empty() ? VERSI.begin() : std::find(VERSI.begin(), VERSI.end(), verso.front());
    if (scelto == VERSI.end()) {
        throw ErroreUso("--verso vuole " + std::string(VERSI[0]) + " o " + std::string(VERSI[1]));
    }
    circuito.posizione = static_cast<Partitore::Posizione>(scelto - VERSI.begin());
    return circuito;
}

std::optional<double> Facoltativo(const Argomenti& argomenti, std::string_view nome) {
    return argomenti.Ha(nome) ? std::optional(NumeroOpzione(argomenti, nome)) : std::nullopt;
}

TolleranzeProgetto TolleranzeRichieste(const Argomenti& argomenti) {
    TolleranzeProgetto tolleranze;
    tolleranze.r25Percento = NumeroOpzione(argomenti, "tol-r25", tolleranze.r25Percento);
    tolleranze.bPercento = NumeroOpzione(argomenti, "tol-b", tolleranze.bPercento);
    tolleranze.seriePercento = NumeroOpzione(argomenti, "tol-serie", tolleranze.seriePercento);
    tolleranze.adcLsb = NumeroOpzione(argomenti, "adc-lsb", tolleranze.adcLsb);
    tolleranze.riferimentoPercento = Facoltativo(argomenti, "rif-separato");
    tolleranze.dissipazioneMilliwattPerK = Facoltativo(argomenti, "dissipazione");
    return tolleranze;
}

CriterioProgetto CriterioRichiesto(const Argomenti& argomenti) {
    CriterioProgetto criterio;
    const auto& nome = argomenti.Valori("criterio");
    if (!nome.empty()) {
        const auto tipo = CriterioDaNome(nome.front());
        if (!tipo) {
            throw ErroreUso("--criterio vuole risoluzione, errore o a-temperatura");
        }
        criterio.tipo = *tipo;
    }
    const bool aTemperatura = criterio.tipo == CriterioProgetto::Tipo::ATemperatura;
    if (argomenti.Ha("a-temperatura")) {
        if (!nome.empty() && !aTemperatura) {
            throw ErroreUso("--a-temperatura va con --criterio a-temperatura");
        }
        criterio.tipo = CriterioProgetto::Tipo::ATemperatura;
        criterio.temperatura = NumeroOpzione(argomenti, "a-temperatura");
    } else if (aTemperatura) {
        throw ErroreUso("--criterio a-temperatura vuole --a-temperatura T");
    }
    return criterio;
}

SeriePreferita SerieRichiesta(const Argomenti& argomenti) {
    const auto& nome = argomenti.Valori("serie");
    if (nome.empty()) {
        return SeriePreferita::E96;
    }
    const auto serie = SerieDaNome(nome.front());
    if (!serie) {
        throw ErroreUso("--serie vuole E12, E24, E48 o E96");
    }
    return *serie;
}

} // namespace

void EseguiProgetto(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/,
                    const Scarico& /*scarico*/) {
    if (!argomenti.valori.empty()) {
        throw ErroreUso("valore inatteso: " + argomenti.valori.front());
    }
    const auto modello = CostruisciModello(argomenti);
    if (argomenti.Ha("json") && argomenti.Ha("virgola")) {
        throw ErroreUso("--json e --virgola insieme");
    }
    const bool datoPartitore = argomenti.Ha("partitore");
    if (datoPartitore &&
        (argomenti.Ha("serie") || argomenti.Ha("criterio") || argomenti.Ha("a-temperatura"))) {
        throw ErroreUso("--serie, --criterio e --a-temperatura scelgono la resistenza in serie: "
                        "non vanno con --partitore");
    }
    RichiestaProgetto richiesta;
    richiesta.griglia = GrigliaDaOpzioni(argomenti, PASSO_PREDEFINITO);
    richiesta.circuito = CircuitoRichiesto(argomenti);
    richiesta.tolleranze = TolleranzeRichieste(argomenti);
    richiesta.criterio = CriterioRichiesto(argomenti);
    richiesta.serie = SerieRichiesta(argomenti);
    std::optional<double> rSerie;
    if (datoPartitore) {
        rSerie = NumeroOpzione(argomenti, "partitore");
        if (!(*rSerie > 0)) {
            throw ErroreUso("--partitore vuole ohm positivi");
        }
    }
    auto preparato = Progetto::Prepara(*modello, richiesta);
    if (const auto* errore = std::get_if<ErroreProgetto>(&preparato)) {
        if (errore->tipo == ErroreProgetto::Tipo::Richiesta) {
            throw ErroreUso(errore->motivo);
        }
        throw ErroreDati(errore->motivo);
    }
    const Progetto& progetto = std::get<Progetto>(preparato);
    const FormaProgetto forma = argomenti.Ha("json")      ? FormaProgetto::Json
                                : argomenti.Ha("virgola") ? FormaProgetto::Virgola
                                                          : FormaProgetto::Csv;
    if (rSerie) {
        ScriviBilancio(uscita, progetto.Bilancio(*rSerie), forma);
    } else {
        ScriviScelta(uscita, progetto.Scegli(), richiesta, CANDIDATI_MOSTRATI, forma);
    }
}
