#include "calcoli/formato_marlin.h"

#include "calcoli/scrittura_testi.h"
#include "calcoli/versione.h"

#include <cmath>

std::string FormatoMarlin::Scrivi(std::string& uscita, const ContestoTabella& contesto,
                                  std::span<const RigaTabella> righe) {
    if (!contesto.partitore || contesto.partitore->bit != *BIT) {
        return "una tabella Marlin vuole un partitore letto da un ADC a 10 bit (--partitore OHM "
               "--bit 10)";
    }
    for (const RigaTabella& riga : righe) {
        if (riga.temperatura != std::trunc(riga.temperatura)) {
            return "una tabella Marlin ha solo gradi interi";
        }
    }
    uscita += "// NTC thermistor, written by brevanto-ntc ";
    uscita += VERSIONE_BREVANTO;
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
    return {};
}
