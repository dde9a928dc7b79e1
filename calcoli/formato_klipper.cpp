#include "calcoli/formato_klipper.h"

#include "calcoli/intestazione.h"
#include "calcoli/punti_firmware.h"
#include "calcoli/scrittura_testi.h"
#include "calcoli/versione.h"

#include <variant>

namespace {

void Punti(std::string& uscita, std::span<const PuntoRT> punti) {
    for (size_t i = 0; i < punti.size(); ++i) {
        const std::string indice = std::to_string(i + 1);
        uscita += "temperature" + indice + ": ";
        AggiungiNumeroLeggibile(uscita, punti[i].temperatura);
        uscita += "\nresistance" + indice + ": ";
        AggiungiNumeroLeggibile(uscita, punti[i].resistenza);
        uscita += '\n';
    }
}

} // namespace

std::string FormatoKlipper::Scrivi(std::string& uscita, const ContestoTabella& contesto,
                                   std::span<const RigaTabella> righe, const ModelloNTC& modello) {
    const auto& adc = contesto.partitore;
    if (adc && adc->partitore.posizione != Partitore::Posizione::VersoMassa) {
        return "Klipper legge il termistore verso massa, sotto la resistenza di pull-up: non ha "
               "un'impostazione per un termistore verso l'alimentazione";
    }
    const auto tre = TrePunti(righe);
    if (!tre) {
        return SERVONO_TRE_RIGHE;
    }
    const std::string& nome = contesto.nome;
    std::string testo = "NTC thermistor \"" + nome + "\" for Klipper, written by brevanto-ntc " +
                        std::string(VERSIONE_BREVANTO) +
                        ".\nModel: " + DescrizioneModello(contesto) + ".\n";
    const double pullup = adc ? adc->partitore.rSerie : PULLUP_KLIPPER;
    testo += adc ? "Divider: " + DescrizionePartitore(*adc) + ".\n"
                 : "Divider: none given; Klipper's 4700 ohm pull-up is assumed.\n";

    std::string sezione;
    const auto* beta =
        contesto.parametri ? std::get_if<ParametriBeta>(&*contesto.parametri) : nullptr;
    const bool steinhartHart =
        contesto.parametri && std::holds_alternative<ParametriSteinhartHart>(*contesto.parametri);
    if (beta != nullptr) {
        sezione = "[thermistor " + nome + "]\ntemperature1: ";
        AggiungiNumeroLeggibile(sezione, beta->T0);
        sezione += "\nresistance1: ";
        AggiungiNumeroLeggibile(sezione, beta->R0);
        sezione += "\nbeta: ";
        AggiungiNumeroLeggibile(sezione, beta->B);
        sezione += '\n';
    } else {
        const Intervallo campo{righe.front().temperatura, righe.back().temperatura};
        // A Steinhart–Hart goes through any three of its points exactly.
        const auto [punti, erroreTre] =
            steinhartHart ? TrePuntiScelti{PuntiDiRighe(*tre), 0} : ScegliTrePunti(modello, *tre);
        const auto tabella = steinhartHart ? std::vector<PuntoRT>()
                                           : TabellaLineareInR(modello, campo, TOLLERANZA_KLIPPER_K,
                                                               PUNTI_KLIPPER_MASSIMI);
        const double erroreTabella =
            tabella.empty() ? erroreTre : ErroreTabellaLineareInR(modello, tabella);
        if (steinhartHart || tabella.empty() || erroreTre <= erroreTabella) {
            sezione = "[thermistor " + nome + "]\n";
            Punti(sezione, punti);
            if (!steinhartHart) {
                testo += "Klipper's three-point Steinhart-Hart stays within " +
                         TestoErrore(erroreTre) + " of the model over the range, no farther than " +
                         "a table of resistances would (" + TestoErrore(erroreTabella) + ").\n";
            }
        } else {
            sezione = "[adc_temperature " + nome + "]\n";
            Punti(sezione, tabella);
            testo += "Klipper interpolates linearly between these " +
                     std::to_string(tabella.size()) + " resistances: within " +
                     TestoErrore(erroreTabella) +
                     " of the model over the range, closer than its three-point "
                     "Steinhart-Hart (" +
                     TestoErrore(erroreTre) + ").\n";
        }
    }
    testo += "To use it: add this section to printer.cfg and, in the heater's section\n"
             "([extruder], [heater_bed], ...):\n  sensor_type: " +
             nome + '\n';
    if (pullup != PULLUP_KLIPPER) {
        std::string valore;
        AggiungiNumeroLeggibile(valore, pullup);
        testo += "  pullup_resistor: " + valore + '\n';
    }
    ScriviCommento(uscita, "#", testo);
    uscita += sezione;
    return {};
}
