#include "calcoli/formato_esphome.h"

#include "calcoli/intestazione.h"
#include "calcoli/punti_firmware.h"
#include "calcoli/scrittura_testi.h"
#include "calcoli/versione.h"

#include <variant>

std::string FormatoEsphome::Scrivi(std::string& uscita, const ContestoTabella& contesto,
                                   std::span<const RigaTabella> righe, const ModelloNTC& modello) {
    const auto& adc = contesto.partitore;
    if (!adc) {
        return "il sensore ntc di ESPHome legge un sensore resistance, che vuole il partitore: "
               "--partitore OHM";
    }
    const auto tre = TrePunti(righe);
    if (!tre) {
        return SERVONO_TRE_RIGHE;
    }
    const std::string& nome = contesto.nome;
    const auto* beta =
        contesto.parametri ? std::get_if<ParametriBeta>(&*contesto.parametri) : nullptr;
    std::string testo = "NTC thermistor \"" + nome + "\" for ESPHome, written by brevanto-ntc " +
                        std::string(VERSIONE_BREVANTO) +
                        ".\nModel: " + DescrizioneModello(contesto) +
                        ".\nDivider: " + DescrizionePartitore(*adc) + ".\n";
    const bool steinhartHart =
        contesto.parametri && std::holds_alternative<ParametriSteinhartHart>(*contesto.parametri);
    const auto [punti, errore] =
        steinhartHart ? TrePuntiScelti{PuntiDiRighe(*tre), 0} : ScegliTrePunti(modello, *tre);
    if (beta == nullptr && !steinhartHart) {
        testo += "ESPHome's Steinhart-Hart through the three points stays within " +
                 TestoErrore(errore) + " of the model over the range.\n";
    }
    testo += "To use it: put these sensors in the device's sensor: list (one sensor: key for\n"
             "all of them) and set the pin of the adc sensor to the divider's midpoint.";
    ScriviCommento(uscita, "#", testo);
    uscita += "sensor:\n  - platform: adc\n    id: " + nome +
              "_tensione\n    pin: PIN_DEL_PARTITORE # <- the ADC pin\n"
              "  - platform: resistance\n    id: " +
              nome + "_resistenza\n    sensor: " + nome + "_tensione\n    configuration: ";
    uscita +=
        adc->partitore.posizione == Partitore::Posizione::VersoMassa ? "DOWNSTREAM" : "UPSTREAM";
    uscita += "\n    resistor: ";
    AggiungiNumeroFisso(uscita, adc->partitore.rSerie);
    uscita += "Ω\n    reference_voltage: ";
    AggiungiNumeroFisso(uscita, adc->partitore.tensioneRif);
    uscita += "V\n  - platform: ntc\n    id: " + nome + "\n    sensor: " + nome +
              "_resistenza\n    name: Temperatura " + nome + "\n    calibration:\n";
    if (beta != nullptr) {
        uscita += "      b_constant: ";
        AggiungiNumeroFisso(uscita, beta->B);
        uscita += "\n      reference_temperature: ";
        AggiungiNumeroFisso(uscita, beta->T0);
        uscita += "°C\n      reference_resistance: ";
        AggiungiNumeroFisso(uscita, beta->R0);
        uscita += "Ω\n";
        return {};
    }
    for (const PuntoRT& punto : punti) {
        uscita += "      - ";
        AggiungiNumeroFisso(uscita, punto.resistenza);
        uscita += "Ω -> ";
        AggiungiNumeroFisso(uscita, punto.temperatura);
        uscita += "°C\n";
    }
    return {};
}
