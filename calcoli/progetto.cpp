#include "calcoli/progetto.h"

#include "calcoli/scrittura_testi.h"
#include "core/kelvin.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double MILLIWATT_PER_WATT = 1000;
constexpr double MEZZO_LSB = 0.5;
// Where series resistors are sought: far beyond what is made (1 Ω … 100 MΩ), and a bound on
// the decades (so the values) a design tries, and on their doubles.
constexpr double R_MINIMA = 1e-3;
constexpr double R_MASSIMA = 1e12;

std::string Numero(double valore) {
    std::string testo;
    AggiungiNumero(testo, valore);
    return testo;
}

bool Positivo(double valore) {
    return valore > 0 && std::isfinite(valore);
}

// Why the request is out of bounds, whatever the model; empty when it is not.
std::string VerificaRichiesta(const RichiestaProgetto& richiesta) {
    const Griglia& griglia = richiesta.griglia;
    const CircuitoProgetto& circuito = richiesta.circuito;
    const TolleranzeProgetto& tolleranze = richiesta.tolleranze;
    if (griglia.righe < 1 || griglia.righe > RIGHE_MASSIME_PROGETTO) {
        return "più di " + std::to_string(RIGHE_MASSIME_PROGETTO) +
               " righe: il progetto ne prende al più tante, con un passo più largo";
    }
    if (circuito.bit < 1 || circuito.bit > BIT_MASSIMI) {
        return "i bit dell'ADC vanno da 1 a 31";
    }
    if (!Positivo(circuito.tensioneRif)) {
        return "Vref vuole un valore positivo";
    }
    const std::array<std::pair<double, const char*>, 3> percentuali{{
        {tolleranze.r25Percento, "di R25"},
        {tolleranze.bPercento, "di B"},
        {tolleranze.seriePercento, "della resistenza in serie"},
    }};
    for (const auto& [valore, cosa] : percentuali) {
        if (!Positivo(valore)) {
            return std::string("la tolleranza ") + cosa + " vuole una percentuale positiva";
        }
    }
    if (tolleranze.riferimentoPercento && !Positivo(*tolleranze.riferimentoPercento)) {
        return "la tolleranza del riferimento separato vuole una percentuale positiva";
    }
    if (!(tolleranze.adcLsb >= 0) || !std::isfinite(tolleranze.adcLsb)) {
        return "l'errore dell'ADC vuole LSB non negativi";
    }
    if (tolleranze.dissipazioneMilliwattPerK && !Positivo(*tolleranze.dissipazioneMilliwattPerK)) {
        return "la costante di dissipazione vuole mW/K positivi";
    }
    if (richiesta.criterio.tipo == CriterioProgetto::Tipo::ATemperatura) {
        const double primo = griglia.Temperatura(0);
        const double ultimo = griglia.Temperatura(griglia.righe - 1);
        const double t = richiesta.criterio.temperatura;
        if (!(t >= std::min(primo, ultimo) && t <= std::max(primo, ultimo))) {
            return "la temperatura del criterio (" + Numero(t) + " °C) è fuori dall'intervallo";
        }
    }
    return {};
}

} // namespace

std::variant<Progetto::Punto, ErroreProgetto>
Progetto::PuntoA(const ModelloNTC& modello, double temperatura, double r25,
                 const TolleranzeProgetto& tolleranze) {
    const auto r = modello.Resistenza(temperatura);
    const auto alfa = modello.DerivataLogaritmica(temperatura);
    if (!r || !alfa || !std::isfinite(*alfa)) {
        return ErroreProgetto{
            ErroreProgetto::Tipo::Modello,
            "l'intervallo esce dalla validità del modello: nessuna resistenza a " +
                Numero(temperatura) + " °C"};
    }
    if (!(*alfa < 0)) {
        return ErroreProgetto{ErroreProgetto::Tipo::Modello,
                              "a " + Numero(temperatura) +
                                  " °C la resistenza del modello non scende con la temperatura"};
    }
    const double pendenza = -*alfa;
    return Punto{temperatura,
                 *r,
                 pendenza,
                 tolleranze.r25Percento / PERCENTO / pendenza,
                 tolleranze.bPercento / PERCENTO * std::fabs(std::log(*r / r25)) / pendenza,
                 tolleranze.seriePercento / PERCENTO / pendenza};
}

std::variant<Progetto, ErroreProgetto> Progetto::Prepara(const ModelloNTC& modello,
                                                         const RichiestaProgetto& richiesta) {
    if (std::string motivo = VerificaRichiesta(richiesta); !motivo.empty()) {
        return ErroreProgetto{ErroreProgetto::Tipo::Richiesta, std::move(motivo)};
    }
    const auto r25 = modello.Resistenza(T_R25);
    if (!r25) {
        return ErroreProgetto{ErroreProgetto::Tipo::Modello,
                              "il modello non dà R a 25 °C, da cui si conta la tolleranza di B"};
    }
    std::vector<Punto> punti;
    punti.reserve(static_cast<std::size_t>(richiesta.griglia.righe));
    for (long i = 0; i < richiesta.griglia.righe; ++i) {
        auto punto = PuntoA(modello, richiesta.griglia.Temperatura(i), *r25, richiesta.tolleranze);
        if (auto* errore = std::get_if<ErroreProgetto>(&punto)) {
            return std::move(*errore);
        }
        punti.push_back(std::get<Punto>(punto));
        const double r = punti.back().resistenza;
        if (r < R_MINIMA || r > R_MASSIMA) {
            return ErroreProgetto{ErroreProgetto::Tipo::Modello,
                                  "a " + Numero(punti.back().temperatura) + " °C il modello dà " +
                                      Numero(r) +
                                      " Ω: le resistenze in serie si cercano da 1 mΩ a 1 TΩ"};
        }
    }
    Punto criterio;
    if (richiesta.criterio.tipo == CriterioProgetto::Tipo::ATemperatura) {
        auto punto = PuntoA(modello, richiesta.criterio.temperatura, *r25, richiesta.tolleranze);
        if (auto* errore = std::get_if<ErroreProgetto>(&punto)) {
            return std::move(*errore);
        }
        criterio = std::get<Punto>(punto);
    }
    return Progetto(richiesta, std::move(punti), criterio);
}

RigaProgetto Progetto::Valuta(const Punto& punto, const RichiestaProgetto& richiesta,
                              double rSerie) {
    const CircuitoProgetto& circuito = richiesta.circuito;
    const TolleranzeProgetto& tolleranze = richiesta.tolleranze;
    // Everything follows from x = R/Rs: the output is x/(1+x) or 1/(1+x) of Vref, and
    // either way its slope is x/(1+x)² · |d ln R/dT|, largest where Rs = R.
    const double x = punto.resistenza / rSerie;
    const double unoPiuX = 1 + x;
    const double fondoScala = std::ldexp(1.0, circuito.bit);
    const double rapporto =
        circuito.posizione == Partitore::Posizione::VersoMassa ? x / unoPiuX : 1 / unoPiuX;
    RigaProgetto riga;
    riga.temperatura = punto.temperatura;
    riga.resistenza = punto.resistenza;
    riga.tensione = circuito.tensioneRif * rapporto;
    riga.conteggi = fondoScala * rapporto;
    riga.conteggiPerK = fondoScala * x / (unoPiuX * unoPiuX) * punto.pendenza;
    riga.kPerConteggio = 1 / riga.conteggiPerK;

    auto& c = riga.contributi;
    c[static_cast<std::size_t>(Contributo::R25)] = punto.r25;
    c[static_cast<std::size_t>(Contributo::B)] = punto.b;
    c[static_cast<std::size_t>(Contributo::Serie)] = punto.serie;
    c[static_cast<std::size_t>(Contributo::Adc)] =
        (MEZZO_LSB + tolleranze.adcLsb) * riga.kPerConteggio;
    // A reference off by a fraction moves every count by that fraction of itself.
    c[static_cast<std::size_t>(Contributo::Riferimento)] =
        tolleranze.riferimentoPercento
            ? *tolleranze.riferimentoPercento / PERCENTO * riga.conteggi * riga.kPerConteggio
            : 0;
    if (tolleranze.dissipazioneMilliwattPerK) {
        const double tensioneTermistore = circuito.tensioneRif * x / unoPiuX;
        const double potenza = tensioneTermistore * tensioneTermistore / punto.resistenza;
        c[static_cast<std::size_t>(Contributo::Autoriscaldamento)] =
            potenza * MILLIWATT_PER_WATT / *tolleranze.dissipazioneMilliwattPerK;
    }
    double quadrati = 0;
    for (const double contributo : c) {
        riga.peggiore += contributo;
        quadrati += contributo * contributo;
    }
    riga.rss = std::sqrt(quadrati);
    return riga;
}

RigaProgetto Progetto::Riga(std::size_t indice, double rSerie) const {
    return Valuta(punti_.at(indice), richiesta_, rSerie);
}

std::vector<RigaProgetto> Progetto::Bilancio(double rSerie) const {
    std::vector<RigaProgetto> righe;
    righe.reserve(punti_.size());
    for (const Punto& punto : punti_) {
        righe.push_back(Valuta(punto, richiesta_, rSerie));
    }
    return righe;
}

FigureResistenza Progetto::Figure(double rSerie) const {
    FigureResistenza figure;
    figure.rSerie = rSerie;
    for (const Punto& punto : punti_) {
        const RigaProgetto riga = Valuta(punto, richiesta_, rSerie);
        figure.risoluzionePeggiore = std::max(figure.risoluzionePeggiore, riga.kPerConteggio);
        figure.errorePeggiore = std::max(figure.errorePeggiore, riga.peggiore);
        figure.errorePeggioreRss = std::max(figure.errorePeggioreRss, riga.rss);
        figure.autoriscaldamentoMassimo =
            std::max(figure.autoriscaldamentoMassimo,
                     riga.contributi[static_cast<std::size_t>(Contributo::Autoriscaldamento)]);
    }
    switch (richiesta_.criterio.tipo) {
    case CriterioProgetto::Tipo::Risoluzione:
        figure.criterio = figure.risoluzionePeggiore;
        break;
    case CriterioProgetto::Tipo::Errore:
        figure.criterio = figure.errorePeggiore;
        break;
    case CriterioProgetto::Tipo::ATemperatura:
        figure.criterio = Valuta(criterio_, richiesta_, rSerie).kPerConteggio;
        break;
    }
    return figure;
}

std::string_view NomeCriterio(CriterioProgetto::Tipo tipo) {
    switch (tipo) {
    case CriterioProgetto::Tipo::Risoluzione:
        return "risoluzione";
    case CriterioProgetto::Tipo::Errore:
        return "errore";
    case CriterioProgetto::Tipo::ATemperatura:
        return "a-temperatura";
    }
    return {};
}

std::optional<CriterioProgetto::Tipo> CriterioDaNome(std::string_view nome) {
    for (const auto tipo : TUTTI_I_CRITERI) {
        if (NomeCriterio(tipo) == nome) {
            return tipo;
        }
    }
    return std::nullopt;
}
