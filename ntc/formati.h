#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Output texts of brevanto-ntc, byte for byte the same in every locale; no model here, only
// numbers already computed, so that a window can produce the same bytes.

// Appends the shortest text that reads back to the same double ("25", "1e-05").
void AggiungiNumero(std::string& uscita, double valore);
// Several numbers, with the separator between them: "1.5,2" or "1.5, 2".
void AggiungiNumeri(std::string& uscita, std::span<const double> valori,
                    std::string_view separatore);
// The same without an exponent ("0.00001"), for readers that take none.
void AggiungiNumeroFisso(std::string& uscita, double valore);

// One value and its conversion, in the order the user gave them: "10000,25".
void AggiungiCoppiaCsv(std::string& uscita, double primo, double secondo);

// JSON objects, one a line: {"chiave": numero, ...}. AggiungiOggettoJson writes one
// object of name–value pairs; the array helpers open and close a list of them.
struct CampoJson {
    std::string_view nome;
    double valore = 0;
};
void AggiungiOggettoJson(std::string& uscita, std::span<const CampoJson> campi);
void AggiungiElementoJson(std::string& uscita, std::span<const CampoJson> campi, bool primo);
void ChiudiArrayJson(std::string& uscita, bool vuoto);
// A JSON string with its quotes, escaping what JSON requires.
void AggiungiTestoJson(std::string& uscita, std::string_view testo);

// One row of an R–T table: °C, ohm, α in 1/K, and the ADC count when a divider is given.
struct RigaTabella {
    double temperatura = 0;
    double resistenza = 0;
    double alfa = 0;
    std::optional<long> conteggio;
};

// How an ADC table was made, for the formats that describe it.
struct DescrizionePartitore {
    double serie = 0; // ohm
    bool ntcVersoMassa = true;
    double riferimento = 0; // volt
    int bit = 0;
};

enum class FormatoTabella { Csv, CsvVirgola, Json, C, Marlin, Klipper, Esphome };

// The format named on the command line ("csv", "json", "c", ...); empty if unknown.
std::optional<FormatoTabella> FormatoDaNome(std::string_view nome);

// Whether the format writes each row on its own (csv, json, c), so that a long table can
// be written a piece at a time: a head, the rows, a tail.
bool FormatoARighe(FormatoTabella formato);
void ScriviTestaTabella(std::string& uscita, FormatoTabella formato, bool conAdc, size_t righe,
                        std::string_view versione);
void ScriviRigaTabella(std::string& uscita, FormatoTabella formato, const RigaTabella& riga,
                       bool prima);
void ScriviCodaTabella(std::string& uscita, FormatoTabella formato, bool vuota);

// The whole table in the format. Throws std::invalid_argument when the format cannot hold
// the table (Marlin: whole degrees and 10-bit counts only; Klipper and ESPHome: three rows
// at least).
void ScriviTabella(std::string& uscita, FormatoTabella formato, std::span<const RigaTabella> righe,
                   const std::optional<DescrizionePartitore>& partitore, std::string_view versione);
