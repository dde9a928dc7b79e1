#include "calcoli/intestazione.h"

#include "calcoli/scrittura_testi.h"
#include "modelli/registro_modelli.h"

#include <cctype>

void ScriviCommento(std::string& uscita, std::string_view segno, std::string_view testo) {
    while (!testo.empty()) {
        const size_t fine = testo.find('\n');
        const std::string_view riga = testo.substr(0, fine);
        uscita += segno;
        if (!riga.empty()) {
            uscita += ' ';
            uscita += riga;
        }
        uscita += '\n';
        testo = fine == std::string_view::npos ? "" : testo.substr(fine + 1);
    }
}

std::string DescrizioneModello(const ContestoTabella& contesto) {
    if (!contesto.parametri) {
        return "a maker's table, ln R interpolated linearly in 1/T between its rows";
    }
    const TipoModello& tipo = TipoDi(*contesto.parametri);
    const std::vector<double> valori = ValoriCoefficienti(*contesto.parametri);
    std::string testo(tipo.nome);
    for (size_t i = 0; i < valori.size(); ++i) {
        testo += i == 0 ? ": " : ", ";
        testo += tipo.coefficienti[i].chiave;
        testo += " = ";
        AggiungiNumeroLeggibile(testo, valori[i]);
    }
    return testo;
}

std::string DescrizionePartitore(const PartitoreADC& adc) {
    std::string testo;
    AggiungiNumeroLeggibile(testo, adc.partitore.rSerie);
    testo += adc.partitore.posizione == Partitore::Posizione::VersoMassa
                 ? " ohm pull-up, thermistor to ground, "
                 : " ohm to ground, thermistor to the supply, ";
    AggiungiNumeroLeggibile(testo, adc.partitore.tensioneRif);
    return testo + " V reference";
}

std::string Maiuscolo(std::string_view nome) {
    std::string testo(nome);
    for (char& c : testo) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return testo;
}
