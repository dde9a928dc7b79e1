#include "calcoli/formato_csv.h"

#include "calcoli/scrittura_testi.h"

void FormatoCsv::ScriviTesta(std::string& uscita, const ContestoTabella& contesto,
                             std::size_t /*righe*/) {
    const bool adc = contesto.partitore.has_value();
    if (contesto.virgola) {
        uscita += adc ? "T_C;R_ohm;alfa_1_K;adc\n" : "T_C;R_ohm;alfa_1_K\n";
    } else {
        uscita += adc ? "T_C,R_ohm,alfa_1_K,adc\n" : "T_C,R_ohm,alfa_1_K\n";
    }
}

void FormatoCsv::ScriviRiga(std::string& uscita, const ContestoTabella& contesto,
                            const RigaTabella& riga, bool /*prima*/) {
    const char separatore = contesto.virgola ? ';' : ',';
    const auto numero = contesto.virgola ? AggiungiNumeroVirgola : AggiungiNumero;
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

void FormatoCsv::ScriviCoda(std::string& /*uscita*/, const ContestoTabella& /*contesto*/,
                            bool /*vuota*/) {}
