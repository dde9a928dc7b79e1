#include "calcoli/formato_klipper.h"

#include "calcoli/scrittura_testi.h"
#include "calcoli/tre_punti.h"
#include "calcoli/versione.h"

std::string FormatoKlipper::Scrivi(std::string& uscita, const ContestoTabella& /*contesto*/,
                                   std::span<const RigaTabella> righe) {
    const auto punti = TrePunti(righe);
    if (!punti) {
        return SERVONO_TRE_RIGHE;
    }
    uscita += "# NTC thermistor, written by brevanto-ntc ";
    uscita += VERSIONE_BREVANTO;
    uscita += ": three points of the model\n[thermistor brevanto_ntc]\n";
    for (size_t i = 0; i < punti->size(); ++i) {
        const char indice = static_cast<char>('1' + i);
        uscita += "temperature";
        uscita += indice;
        uscita += ": ";
        AggiungiNumeroFisso(uscita, (*punti)[i].temperatura);
        uscita += "\nresistance";
        uscita += indice;
        uscita += ": ";
        AggiungiNumeroFisso(uscita, (*punti)[i].resistenza);
        uscita += '\n';
    }
    return {};
}
