#include "calcoli/formato_esphome.h"

#include "calcoli/scrittura_testi.h"
#include "calcoli/tre_punti.h"
#include "calcoli/versione.h"

std::string FormatoEsphome::Scrivi(std::string& uscita, const ContestoTabella& contesto,
                                   std::span<const RigaTabella> righe) {
    const auto punti = TrePunti(righe);
    if (!punti) {
        return SERVONO_TRE_RIGHE;
    }
    uscita += "# NTC thermistor, written by brevanto-ntc ";
    uscita += VERSIONE_BREVANTO;
    uscita += ": three points of the model\nsensor:\n";
    if (const auto& adc = contesto.partitore) {
        uscita += "  - platform: resistance\n    id: resistenza_ntc\n"
                  "    sensor: tensione_ntc # the id of your adc sensor\n"
                  "    configuration: ";
        uscita += adc->partitore.posizione == Partitore::Posizione::VersoMassa ? "DOWNSTREAM"
                                                                               : "UPSTREAM";
        uscita += "\n    resistor: ";
        AggiungiNumeroFisso(uscita, adc->partitore.rSerie);
        uscita += "Ω\n    reference_voltage: ";
        AggiungiNumeroFisso(uscita, adc->partitore.tensioneRif);
        uscita += "V\n";
    }
    uscita += "  - platform: ntc\n    sensor: resistenza_ntc\n"
              "    name: Temperatura NTC\n    calibration:\n";
    for (const RigaTabella& punto : *punti) {
        uscita += "      - ";
        AggiungiNumeroFisso(uscita, punto.resistenza);
        uscita += "Ω -> ";
        AggiungiNumeroFisso(uscita, punto.temperatura);
        uscita += "°C\n";
    }
    return {};
}
