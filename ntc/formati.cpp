#include "ntc/formati.h"

#include "modelli/testo_breve.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

void AggiungiIntero(std::string& uscita, long valore) {
    std::array<char, 24> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), valore).ptr;
    uscita.append(testo.data(), fine);
}

void AggiungiNumeroVirgola(std::string& uscita, double valore) {
    const size_t inizio = uscita.size();
    AggiungiNumero(uscita, valore);
    const size_t punto = uscita.find('.', inizio);
    if (punto != std::string::npos) {
        uscita[punto] = ',';
    }
}

void ScriviRigaCsv(std::string& uscita, const RigaTabella& riga, bool virgola) {
    const char separatore = virgola ? ';' : ',';
    const auto numero = virgola ? AggiungiNumeroVirgola : AggiungiNumero;
    numero(uscita, riga.temperatura);
    uscita += separatore;
    numero(uscita, riga.resistenza);
    uscita += separatore;
    numero(uscita, riga.alfa);
    if (riga.conteggio) {
        uscita += separatore;
        AggiungiIntero(uscita, *riga.conteggio);
    }
    uscita += '\n';
}

void ScriviRigaJson(std::string& uscita, const RigaTabella& riga, bool prima) {
    const std::array campi{CampoJson{"T", riga.temperatura}, CampoJson{"R", riga.resistenza},
                           CampoJson{"alfa", riga.alfa},
                           CampoJson{"adc", static_cast<double>(riga.conteggio.value_or(0))}};
    const size_t quanti = riga.conteggio ? campi.size() : campi.size() - 1;
    AggiungiElementoJson(uscita, std::span(campi.data(), quanti), prima);
}

void ScriviRigaC(std::string& uscita, const RigaTabella& riga) {
    uscita += "    {";
    AggiungiNumero(uscita, riga.temperatura);
    uscita += ", ";
    AggiungiNumero(uscita, riga.resistenza);
    if (riga.conteggio) {
        uscita += ", ";
        AggiungiIntero(uscita, *riga.conteggio);
    }
    uscita += "},\n";
}

void ScriviTestaC(std::string& uscita, bool conAdc, size_t righe, std::string_view versione) {
    uscita += "/* NTC thermistor R-T table, written by brevanto-ntc ";
    uscita += versione;
    uscita += ".\n"
              " * Rows in order of temperature. Between two rows, interpolate linearly in\n"
              " * ln(r_ohm) against 1/(t_c + 273.15): that is exact for a Beta curve and\n"
              " * follows any NTC curve far closer than a straight line in R or T.";
    uscita += conAdc ? "\n * adc is the ADC count at t_c, for interpolating from a reading. */\n"
                     : " */\n";
    uscita += "#ifndef BREVANTO_NTC_TABELLA_H\n#define BREVANTO_NTC_TABELLA_H\n\n"
              "struct ntc_riga {\n    double t_c;\n    double r_ohm;\n";
    uscita += conAdc ? "    long adc;\n};\n\n" : "};\n\n";
    uscita += "#define NTC_RIGHE ";
    AggiungiIntero(uscita, static_cast<long>(righe));
    uscita += "\nstatic const struct ntc_riga ntc_tabella[NTC_RIGHE] = {\n";
}

void ScriviMarlin(std::string& uscita, std::span<const RigaTabella> righe,
                  const std::optional<DescrizionePartitore>& partitore, std::string_view versione) {
    if (!partitore || partitore->bit != 10) {
        throw std::invalid_argument("una tabella Marlin vuole un partitore letto da un ADC a 10 "
                                    "bit (--partitore OHM --bit 10)");
    }
    for (const RigaTabella& riga : righe) {
        if (riga.temperatura != std::trunc(riga.temperatura)) {
            throw std::invalid_argument("una tabella Marlin ha solo gradi interi");
        }
    }
    uscita += "// NTC thermistor, written by brevanto-ntc ";
    uscita += versione;
    uscita += ": 10-bit ADC count -> degrees C,\n"
              "// sorted by count, one row per count (Marlin interpolates linearly between "
              "rows).\nconstexpr temp_entry_t temptable_998[] PROGMEM = {\n";
    // Marlin searches the counts in rising order and divides by the step between two rows.
    const bool crescente = righe.size() < 2 || righe.front().conteggio <= righe.back().conteggio;
    const long passo = crescente ? 1 : -1;
    const long primo = crescente ? 0 : static_cast<long>(righe.size()) - 1;
    std::optional<long> precedente;
    for (long i = primo; i >= 0 && i < std::ssize(righe); i += passo) {
        const RigaTabella& riga = righe[static_cast<size_t>(i)];
        if (riga.conteggio == precedente) {
            continue;
        }
        precedente = riga.conteggio;
        uscita += "  { OV(";
        AggiungiIntero(uscita, *riga.conteggio);
        uscita += "), ";
        AggiungiIntero(uscita, std::lround(riga.temperatura));
        uscita += " },\n";
    }
    uscita += "};\n";
}

// The three points Klipper and ESPHome fit their own Steinhart–Hart to: the table's ends
// and its middle row.
std::array<RigaTabella, 3> TrePunti(std::span<const RigaTabella> righe) {
    if (righe.size() < 3) {
        throw std::invalid_argument("questo formato vuole tre punti: servono almeno tre righe");
    }
    return {righe.front(), righe[righe.size() / 2], righe.back()};
}

void ScriviKlipper(std::string& uscita, std::span<const RigaTabella> righe,
                   std::string_view versione) {
    uscita += "# NTC thermistor, written by brevanto-ntc ";
    uscita += versione;
    uscita += ": three points of the model\n[thermistor brevanto_ntc]\n";
    const auto punti = TrePunti(righe);
    for (size_t i = 0; i < punti.size(); ++i) {
        const char indice = static_cast<char>('1' + i);
        uscita += "temperature";
        uscita += indice;
        uscita += ": ";
        AggiungiNumeroFisso(uscita, punti[i].temperatura);
        uscita += "\nresistance";
        uscita += indice;
        uscita += ": ";
        AggiungiNumeroFisso(uscita, punti[i].resistenza);
        uscita += '\n';
    }
}

void ScriviEsphome(std::string& uscita, std::span<const RigaTabella> righe,
                   const std::optional<DescrizionePartitore>& partitore,
                   std::string_view versione) {
    const auto punti = TrePunti(righe);
    uscita += "# NTC thermistor, written by brevanto-ntc ";
    uscita += versione;
    uscita += ": three points of the model\nsensor:\n";
    if (partitore) {
        uscita += "  - platform: resistance\n    id: resistenza_ntc\n"
                  "    sensor: tensione_ntc # the id of your adc sensor\n"
                  "    configuration: ";
        uscita += partitore->ntcVersoMassa ? "DOWNSTREAM" : "UPSTREAM";
        uscita += "\n    resistor: ";
        AggiungiNumeroFisso(uscita, partitore->serie);
        uscita += "Ω\n    reference_voltage: ";
        AggiungiNumeroFisso(uscita, partitore->riferimento);
        uscita += "V\n";
    }
    uscita += "  - platform: ntc\n    sensor: resistenza_ntc\n"
              "    name: Temperatura NTC\n    calibration:\n";
    for (const RigaTabella& punto : punti) {
        uscita += "      - ";
        AggiungiNumeroFisso(uscita, punto.resistenza);
        uscita += "Ω -> ";
        AggiungiNumeroFisso(uscita, punto.temperatura);
        uscita += "°C\n";
    }
}

} // namespace

void AggiungiNumero(std::string& uscita, double valore) {
    AggiungiTestoBreve(uscita, valore);
}

void AggiungiNumeri(std::string& uscita, std::span<const double> valori,
                    std::string_view separatore) {
    for (size_t i = 0; i < valori.size(); ++i) {
        uscita += i > 0 ? separatore : "";
        AggiungiNumero(uscita, valori[i]);
    }
}

void AggiungiNumeroFisso(std::string& uscita, double valore) {
    // The fixed form of the largest double has 309 digits.
    std::array<char, 400> testo{};
    const auto fine =
        std::to_chars(testo.data(), testo.data() + testo.size(), valore, std::chars_format::fixed)
            .ptr;
    uscita.append(testo.data(), fine);
}

void AggiungiCoppiaCsv(std::string& uscita, double primo, double secondo) {
    AggiungiNumero(uscita, primo);
    uscita += ',';
    AggiungiNumero(uscita, secondo);
    uscita += '\n';
}

void AggiungiOggettoJson(std::string& uscita, std::span<const CampoJson> campi) {
    uscita += '{';
    for (size_t i = 0; i < campi.size(); ++i) {
        if (i > 0) {
            uscita += ", ";
        }
        AggiungiTestoJson(uscita, campi[i].nome);
        uscita += ": ";
        AggiungiNumero(uscita, campi[i].valore);
    }
    uscita += '}';
}

void AggiungiElementoJson(std::string& uscita, std::span<const CampoJson> campi, bool primo) {
    uscita += primo ? "[\n  " : ",\n  ";
    AggiungiOggettoJson(uscita, campi);
}

void ChiudiArrayJson(std::string& uscita, bool vuoto) {
    uscita += vuoto ? "[]\n" : "\n]\n";
}

void AggiungiTestoJson(std::string& uscita, std::string_view testo) {
    uscita += '"';
    for (const char c : testo) {
        if (c == '"' || c == '\\') {
            uscita += '\\';
            uscita += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr std::string_view CIFRE = "0123456789abcdef";
            uscita += "\\u00";
            uscita += CIFRE[static_cast<unsigned char>(c) >> 4];
            uscita += CIFRE[static_cast<unsigned char>(c) & 0xf];
        } else {
            uscita += c;
        }
    }
    uscita += '"';
}

std::optional<FormatoTabella> FormatoDaNome(std::string_view nome) {
    constexpr std::array<std::pair<std::string_view, FormatoTabella>, 6> NOMI{{
        {"csv", FormatoTabella::Csv},
        {"json", FormatoTabella::Json},
        {"c", FormatoTabella::C},
        {"marlin", FormatoTabella::Marlin},
        {"klipper", FormatoTabella::Klipper},
        {"esphome", FormatoTabella::Esphome},
    }};
    for (const auto& [testo, formato] : NOMI) {
        if (testo == nome) {
            return formato;
        }
    }
    return std::nullopt;
}

bool FormatoARighe(FormatoTabella formato) {
    return formato == FormatoTabella::Csv || formato == FormatoTabella::CsvVirgola ||
           formato == FormatoTabella::Json || formato == FormatoTabella::C;
}

void ScriviTestaTabella(std::string& uscita, FormatoTabella formato, bool conAdc, size_t righe,
                        std::string_view versione) {
    if (formato == FormatoTabella::Csv) {
        uscita += conAdc ? "T_C,R_ohm,alfa_1_K,adc\n" : "T_C,R_ohm,alfa_1_K\n";
    } else if (formato == FormatoTabella::CsvVirgola) {
        uscita += conAdc ? "T_C;R_ohm;alfa_1_K;adc\n" : "T_C;R_ohm;alfa_1_K\n";
    } else if (formato == FormatoTabella::C) {
        ScriviTestaC(uscita, conAdc, righe, versione);
    }
}

void ScriviRigaTabella(std::string& uscita, FormatoTabella formato, const RigaTabella& riga,
                       bool prima) {
    if (formato == FormatoTabella::Json) {
        ScriviRigaJson(uscita, riga, prima);
    } else if (formato == FormatoTabella::C) {
        ScriviRigaC(uscita, riga);
    } else {
        ScriviRigaCsv(uscita, riga, formato == FormatoTabella::CsvVirgola);
    }
}

void ScriviCodaTabella(std::string& uscita, FormatoTabella formato, bool vuota) {
    if (formato == FormatoTabella::Json) {
        ChiudiArrayJson(uscita, vuota);
    } else if (formato == FormatoTabella::C) {
        uscita += "};\n\n#endif\n";
    }
}

void ScriviTabella(std::string& uscita, FormatoTabella formato, std::span<const RigaTabella> righe,
                   const std::optional<DescrizionePartitore>& partitore,
                   std::string_view versione) {
    switch (formato) {
    case FormatoTabella::Marlin:
        ScriviMarlin(uscita, righe, partitore, versione);
        return;
    case FormatoTabella::Klipper:
        ScriviKlipper(uscita, righe, versione);
        return;
    case FormatoTabella::Esphome:
        ScriviEsphome(uscita, righe, partitore, versione);
        return;
    default:
        break;
    }
    const bool conAdc = !righe.empty() && righe.front().conteggio.has_value();
    ScriviTestaTabella(uscita, formato, conAdc, righe.size(), versione);
    for (size_t i = 0; i < righe.size(); ++i) {
        ScriviRigaTabella(uscita, formato, righe[i], i == 0);
    }
    ScriviCodaTabella(uscita, formato, righe.empty());
}
