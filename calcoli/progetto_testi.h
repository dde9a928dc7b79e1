#pragma once

#include "calcoli/progetto.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// A design as brevanto-ntc progetto writes it, byte for byte the same from the curve
// window's exports.

// The candidates the command and the window show: more are seldom worth a look.
inline constexpr std::size_t CANDIDATI_MOSTRATI = 10;

enum class FormaProgetto {
    Csv,
    Virgola, // ";" between fields and a decimal comma, for the spreadsheets of comma regions
    Json,
};

// The columns of the candidates: "posto" is "ottimo" (the continuous optimum), 1, 2, ...
// and "vicino" (the preferred value nearest the optimum).
inline constexpr std::array<std::string_view, 8> COLONNE_CANDIDATI{
    "posto",         "R_serie_ohm", "valore_criterio", "perdita_percento",
    "risoluzione_K", "errore_K",    "errore_rss_K",    "autoriscaldamento_K"};
// The columns of the budget: one per contribution (in Contributo's order), then the totals.
inline constexpr std::array<std::string_view, 14> COLONNE_BILANCIO{
    "T_C", "R_ohm",   "V",     "adc",   "adc_per_K",           "K_per_adc",  "r25_K",
    "b_K", "serie_K", "adc_K", "rif_K", "autoriscaldamento_K", "peggiore_K", "rss_K"};

// The optimum, the first `quanti` candidates and the nearest preferred value; in JSON one
// object with the series, the criterion and those three.
void ScriviScelta(std::string& uscita, const SceltaResistenza& scelta,
                  const RichiestaProgetto& richiesta, std::size_t quanti, FormaProgetto forma);

// One row per temperature; in JSON an array of objects with the same keys.
void ScriviBilancio(std::string& uscita, std::span<const RigaProgetto> righe, FormaProgetto forma);

// A row's values in the order of COLONNE_BILANCIO, and a candidate's in that of
// COLONNE_CANDIDATI after "posto": for the window's copies, which write them in the region's
// format.
std::array<double, COLONNE_BILANCIO.size()> ValoriBilancio(const RigaProgetto& riga);
std::array<double, COLONNE_CANDIDATI.size() - 1> ValoriCandidato(const FigureResistenza& figure);
