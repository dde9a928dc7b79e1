#include "calcoli/formato_c.h"

#include "calcoli/scrittura_testi.h"
#include "calcoli/versione.h"

void FormatoC::ScriviTesta(std::string& uscita, const ContestoTabella& contesto,
                           std::size_t righe) {
    const bool conAdc = contesto.partitore.has_value();
    uscita += "/* NTC thermistor R-T table, written by brevanto-ntc ";
    uscita += VERSIONE_BREVANTO;
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

void FormatoC::ScriviRiga(std::string& uscita, const ContestoTabella& /*contesto*/,
                          const RigaTabella& riga, bool /*prima*/) {
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

void FormatoC::ScriviCoda(std::string& uscita, const ContestoTabella& /*contesto*/,
                          bool /*vuota*/) {
    uscita += "};\n\n#endif\n";
}
