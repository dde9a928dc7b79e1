#include "calcoli/formato_marlin.h"

#include "calcoli/intestazione.h"
#include "calcoli/scrittura_testi.h"
#include "calcoli/versione.h"
#include "core/kelvin.h"

#include <array>
#include <charconv>
#include <cmath>
#include <variant>

namespace {

// Marlin oversamples each reading 16 times and keeps a table's counts as whole raw values.
constexpr double SOVRACAMPIONAMENTO = 16;
constexpr int DECIMALI_CONTEGGI = 2;

// A setting as Marlin reads it: into a float, and without an exponent, since its G-code
// parser stops a number at an "E". The shortest such text that reads back to the same float.
std::string Decimale(double valore) {
    std::array<char, 64> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(),
                                    static_cast<float>(valore), std::chars_format::fixed)
                          .ptr;
    return {testo.data(), fine};
}

// R25, β and C of Marlin's 1/T = 1/T25 + ln(R/R25)/β + C·(ln³R − ln³R25): a Steinhart–Hart
// 1/T = A + B ln R + C ln³R is that with β = 1/B and R25 its own R at 25 °C.
struct Personalizzato {
    double r25 = 0;
    double beta = 0;
    double c = 0;
};

std::optional<Personalizzato> Coefficienti(const ParametriModello& parametri,
                                           const ModelloNTC& modello) {
    const auto r25 = modello.Resistenza(T_R25);
    if (!r25) {
        return std::nullopt;
    }
    if (const auto* beta = std::get_if<ParametriBeta>(&parametri)) {
        return Personalizzato{*r25, beta->B, 0};
    }
    if (const auto* sh = std::get_if<ParametriSteinhartHart>(&parametri)) {
        return Personalizzato{*r25, 1 / sh->B, sh->C};
    }
    return std::nullopt;
}

std::string ScriviPersonalizzato(std::string& uscita, const ContestoTabella& contesto,
                                 const RiscaldatoreMarlin& riscaldatore, const Personalizzato& p) {
    const PartitoreADC& adc = *contesto.partitore;
    const std::string prefisso(riscaldatore.prefisso);
    const std::string r = Decimale(adc.partitore.rSerie);
    const std::string t = Decimale(p.r25);
    const std::string b = Decimale(p.beta);
    const std::string c = Decimale(p.c);
    std::string testo =
        "NTC thermistor \"" + contesto.nome +
        "\" as Marlin's custom thermistor (sensor 1000), written by brevanto-ntc " +
        std::string(VERSIONE_BREVANTO) + ".\nModel: " + DescrizioneModello(contesto) +
        ".\nDivider: " + DescrizionePartitore(adc) +
        ".\nMarlin computes 1/T = 1/298.15 + ln(R/R25)/BETA + SH_C_COEFF * (ln(R)^3 - "
        "ln(R25)^3),\nwhich is this model exactly.\n"
        "To use it: in Configuration.h set\n  #define " +
        std::string(riscaldatore.sensore) +
        " 1000\nand in Configuration_adv.h put these in place of the " + prefisso +
        " settings there.\nOn a running printer the same is (then M500 to keep "
        "it):\n  M305 P0 R" +
        r + " T" + t + " B" + b + " C" + c +
        "\nwhere P counts Marlin's custom sensors in its order (hotends 0 to 7, bed, "
        "chamber,\ncooler, probe, board, redundant): P0 when this is the only one; "
        "M305 alone lists them.";
    ScriviCommento(uscita, "//", testo);
    uscita += "#define " + prefisso + "PULLUP_RESISTOR_OHMS " + r + "\n#define " + prefisso +
              "RESISTANCE_25C_OHMS " + t + "\n#define " + prefisso + "BETA " + b + "\n#define " +
              prefisso + "SH_C_COEFF " + c + '\n';
    return {};
}

std::string ScriviTabellaMarlin(std::string& uscita, const ContestoTabella& contesto,
                                const RiscaldatoreMarlin& riscaldatore,
                                std::span<const RigaTabella> righe) {
    if (std::string motivo = VerificaNumeroMarlin(contesto.numeroMarlin); !motivo.empty()) {
        return motivo;
    }
    for (const RigaTabella& riga : righe) {
        if (riga.temperatura != std::trunc(riga.temperatura)) {
            return "una tabella Marlin ha solo gradi interi";
        }
    }
    // Marlin bisects the counts in rising order and divides by the step between two rows, so
    // each row must raise the whole raw value it becomes.
    const bool crescente = righe.front().conteggioEsatto <= righe.back().conteggioEsatto;
    std::vector<std::pair<std::string, long>> scritte;
    double precedente = -1;
    for (size_t k = 0; k < righe.size(); ++k) {
        const RigaTabella& riga = righe[crescente ? k : righe.size() - 1 - k];
        std::array<char, 32> testo{};
        const auto fine =
            std::to_chars(testo.data(), testo.data() + testo.size(), riga.conteggioEsatto,
                          std::chars_format::fixed, DECIMALI_CONTEGGI)
                .ptr;
        const std::string conteggio(testo.data(), fine);
        const double grezzo = std::floor(std::stod(conteggio) * SOVRACAMPIONAMENTO);
        if (grezzo <= precedente) {
            continue;
        }
        precedente = grezzo;
        scritte.emplace_back(conteggio, std::lround(riga.temperatura));
    }
    if (scritte.size() > RIGHE_MARLIN_MASSIME) {
        const double ampiezza = std::fabs(righe.back().temperatura - righe.front().temperatura);
        const long passo = std::lround(std::ceil(ampiezza / (RIGHE_MARLIN_MASSIME - 1)));
        return "una tabella Marlin ha al massimo " + std::to_string(RIGHE_MARLIN_MASSIME) +
               " righe, questa ne avrebbe " + std::to_string(scritte.size()) +
               ": il passo più fine che ci sta è " + std::to_string(passo) + " K";
    }
    const std::string n = std::to_string(contesto.numeroMarlin);
    const bool rovescia =
        contesto.partitore->partitore.posizione == Partitore::Posizione::VersoAlimentazione;
    std::string testo = "NTC thermistor \"" + contesto.nome + "\" as Marlin temperature table " +
                        n + ", written by brevanto-ntc " + std::string(VERSIONE_BREVANTO) +
                        ".\nModel: " + DescrizioneModello(contesto) +
                        ".\nDivider: " + DescrizionePartitore(*contesto.partitore) +
                        ", as 10-bit counts (Marlin's tables are).\n"
                        "Rows in rising count, whole degrees; Marlin interpolates linearly between "
                        "rows.\nTo use it: save this as Marlin/src/module/thermistor/thermistor_" +
                        n + ".h, add to thermistors.h\n  #if ANY_TEMP_SENSOR_IS(" + n +
                        ")\n    #include \"thermistor_" + n +
                        ".h\"\n  #endif\nand in Configuration.h set\n  #define " +
                        std::string(riscaldatore.sensore) + " " + n;
    if (rovescia) {
        testo += "\nThe thermistor is on the supply side: its count rises with the temperature, "
                 "which\nREVERSE_TEMP_SENSOR_RANGE_" +
                 n + " tells Marlin.";
    }
    ScriviCommento(uscita, "//", testo);
    if (rovescia) {
        uscita += "#define REVERSE_TEMP_SENSOR_RANGE_" + n + " 1\n";
    }
    uscita += "constexpr temp_entry_t temptable_" + n + "[] PROGMEM = {\n";
    for (const auto& [conteggio, gradi] : scritte) {
        uscita += "  { OV(" + conteggio + "), ";
        AggiungiIntero(uscita, gradi);
        uscita += " },\n";
    }
    uscita += "};\n";
    return {};
}

} // namespace

std::string FormatoMarlin::Scrivi(std::string& uscita, const ContestoTabella& contesto,
                                  std::span<const RigaTabella> righe, const ModelloNTC& modello) {
    if (!contesto.partitore || contesto.partitore->bit != *BIT) {
        return "Marlin vuole il partitore della scheda, letto da un ADC a 10 bit (--partitore OHM, "
               "spesso 4700)";
    }
    const RiscaldatoreMarlin* riscaldatore = RiscaldatoreDaNome(contesto.riscaldatore);
    if (riscaldatore == nullptr) {
        return "Marlin non ha il riscaldatore '" + contesto.riscaldatore + "'";
    }
    // Marlin's custom thermistor reads it under a pull-up only.
    if (contesto.parametri &&
        contesto.partitore->partitore.posizione == Partitore::Posizione::VersoMassa) {
        if (const auto p = Coefficienti(*contesto.parametri, modello)) {
            return ScriviPersonalizzato(uscita, contesto, *riscaldatore, *p);
        }
    }
    return ScriviTabellaMarlin(uscita, contesto, *riscaldatore, righe);
}
