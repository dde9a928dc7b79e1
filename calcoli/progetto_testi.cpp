#include "calcoli/progetto_testi.h"

#include "calcoli/scrittura_testi.h"

#include <algorithm>

namespace {

// One CSV line of values, with "," and "." or ";" and ",".
void AggiungiRiga(std::string& uscita, std::span<const double> valori, FormaProgetto forma) {
    for (std::size_t i = 0; i < valori.size(); ++i) {
        if (forma == FormaProgetto::Virgola) {
            uscita += i > 0 ? ";" : "";
            AggiungiNumeroVirgola(uscita, valori[i]);
        } else {
            uscita += i > 0 ? "," : "";
            AggiungiNumero(uscita, valori[i]);
        }
    }
    uscita += '\n';
}

void AggiungiIntestazione(std::string& uscita, std::span<const std::string_view> colonne,
                          FormaProgetto forma) {
    for (std::size_t i = 0; i < colonne.size(); ++i) {
        uscita += i == 0 ? "" : (forma == FormaProgetto::Virgola ? ";" : ",");
        uscita += colonne[i];
    }
    uscita += '\n';
}

template <std::size_t N>
std::array<CampoJson, N> Campi(std::span<const std::string_view, N> nomi,
                               const std::array<double, N>& valori) {
    std::array<CampoJson, N> campi{};
    for (std::size_t i = 0; i < N; ++i) {
        campi[i] = {nomi[i], valori[i]};
    }
    return campi;
}

void AggiungiCandidatoCsv(std::string& uscita, std::string_view posto,
                          const FigureResistenza& figure, FormaProgetto forma) {
    uscita += posto;
    uscita += forma == FormaProgetto::Virgola ? ";" : ",";
    AggiungiRiga(uscita, ValoriCandidato(figure), forma);
}

constexpr auto NOMI_FIGURE = std::span(COLONNE_CANDIDATI).subspan<1>();

void AggiungiCandidatoJson(std::string& uscita, std::string_view chiave,
                           const FigureResistenza& figure) {
    uscita += "  ";
    AggiungiTestoJson(uscita, chiave);
    uscita += ": ";
    AggiungiOggettoJson(uscita, Campi(NOMI_FIGURE, ValoriCandidato(figure)));
    uscita += ",\n";
}

} // namespace

std::array<double, COLONNE_BILANCIO.size()> ValoriBilancio(const RigaProgetto& riga) {
    const auto& c = riga.contributi;
    return {riga.temperatura,
            riga.resistenza,
            riga.tensione,
            riga.conteggi,
            riga.conteggiPerK,
            riga.kPerConteggio,
            c[0],
            c[1],
            c[2],
            c[3],
            c[4],
            c[5],
            riga.peggiore,
            riga.rss};
}

std::array<double, COLONNE_CANDIDATI.size() - 1> ValoriCandidato(const FigureResistenza& figure) {
    return {figure.rSerie,
            figure.criterio,
            figure.perditaPercento,
            figure.risoluzionePeggiore,
            figure.errorePeggiore,
            figure.errorePeggioreRss,
            figure.autoriscaldamentoMassimo};
}

void ScriviScelta(std::string& uscita, const SceltaResistenza& scelta,
                  const RichiestaProgetto& richiesta, std::size_t quanti, FormaProgetto forma) {
    const std::size_t mostrati = std::min(quanti, scelta.candidati.size());
    if (forma != FormaProgetto::Json) {
        AggiungiIntestazione(uscita, COLONNE_CANDIDATI, forma);
        AggiungiCandidatoCsv(uscita, "ottimo", scelta.ottimo, forma);
        for (std::size_t i = 0; i < mostrati; ++i) {
            AggiungiCandidatoCsv(uscita, std::to_string(i + 1), scelta.candidati[i], forma);
        }
        AggiungiCandidatoCsv(uscita, "vicino", scelta.vicino, forma);
        return;
    }
    uscita += "{\n  \"serie\": ";
    AggiungiTestoJson(uscita, NomeSerie(richiesta.serie));
    uscita += ",\n  \"criterio\": ";
    AggiungiTestoJson(uscita, NomeCriterio(richiesta.criterio.tipo));
    if (richiesta.criterio.tipo == CriterioProgetto::Tipo::ATemperatura) {
        uscita += ",\n  \"T_criterio\": ";
        AggiungiNumero(uscita, richiesta.criterio.temperatura);
    }
    uscita += ",\n";
    AggiungiCandidatoJson(uscita, "ottimo", scelta.ottimo);
    AggiungiCandidatoJson(uscita, "vicino", scelta.vicino);
    uscita += "  \"candidati\": [";
    for (std::size_t i = 0; i < mostrati; ++i) {
        std::array<CampoJson, COLONNE_CANDIDATI.size()> campi{};
        campi[0] = {COLONNE_CANDIDATI[0], static_cast<double>(i + 1)};
        const auto valori = ValoriCandidato(scelta.candidati[i]);
        for (std::size_t j = 0; j < valori.size(); ++j) {
            campi[j + 1] = {COLONNE_CANDIDATI[j + 1], valori[j]};
        }
        uscita += i == 0 ? "\n    " : ",\n    ";
        AggiungiOggettoJson(uscita, campi);
    }
    uscita += mostrati == 0 ? "]\n}\n" : "\n  ]\n}\n";
}

void ScriviBilancio(std::string& uscita, std::span<const RigaProgetto> righe, FormaProgetto forma) {
    if (forma != FormaProgetto::Json) {
        AggiungiIntestazione(uscita, COLONNE_BILANCIO, forma);
        for (const RigaProgetto& riga : righe) {
            AggiungiRiga(uscita, ValoriBilancio(riga), forma);
        }
        return;
    }
    for (std::size_t i = 0; i < righe.size(); ++i) {
        AggiungiElementoJson(uscita, Campi(std::span(COLONNE_BILANCIO), ValoriBilancio(righe[i])),
                             i == 0);
    }
    ChiudiArrayJson(uscita, righe.empty());
}
