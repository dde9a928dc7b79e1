#include "calcoli/formato_c.h"

#include "calcoli/intestazione.h"
#include "calcoli/scrittura_testi.h"
#include "calcoli/versione.h"

void FormatoC::ScriviTesta(std::string& uscita, const ContestoTabella& contesto,
                           std::size_t righe) {
    const bool conAdc = contesto.partitore.has_value();
    const std::string& nome = contesto.nome;
    const std::string macro = Maiuscolo(nome);
    std::string testo = "NTC thermistor \"" + nome + "\" R-T table, written by brevanto-ntc " +
                        std::string(VERSIONE_BREVANTO) +
                        ".\nModel: " + DescrizioneModello(contesto) + ".\n";
    if (conAdc) {
        testo += "Divider: " + DescrizionePartitore(*contesto.partitore) + ", " +
                 std::to_string(contesto.partitore->bit) + "-bit ADC; adc is the count at t_c.\n";
    }
    testo += "Rows in order of temperature. Between two rows, interpolate linearly in\n"
             "ln(r_ohm) against 1/(t_c + 273.15): that is exact for a Beta curve and\n"
             "follows any NTC curve far closer than a straight line in R or T.\n"
             "To use it: #include this file; the names all begin with " +
             nome + "_ or " + macro + "_.";
    uscita += "/*\n";
    ScriviCommento(uscita, " *", testo);
    uscita += " */\n#ifndef " + macro + "_TABELLA_H\n#define " + macro + "_TABELLA_H\n\nstruct " +
              nome + "_riga {\n    double t_c;\n    double r_ohm;\n";
    uscita += conAdc ? "    long adc;\n};\n\n" : "};\n\n";
    uscita += "#define " + macro + "_RIGHE ";
    AggiungiIntero(uscita, static_cast<long>(righe));
    uscita +=
        "\nstatic const struct " + nome + "_riga " + nome + "_tabella[" + macro + "_RIGHE] = {\n";
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
