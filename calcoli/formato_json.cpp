#include "calcoli/formato_json.h"

#include "calcoli/scrittura_testi.h"

#include <array>

void FormatoJson::ScriviTesta(std::string& /*uscita*/, const ContestoTabella& /*contesto*/,
                              std::size_t /*righe*/) {}

void FormatoJson::ScriviRiga(std::string& uscita, const ContestoTabella& /*contesto*/,
                             const RigaTabella& riga, bool prima) {
    const std::array campi{CampoJson{"T", riga.temperatura}, CampoJson{"R", riga.resistenza},
                           CampoJson{"alfa", riga.alfa},
                           CampoJson{"adc", static_cast<double>(riga.conteggio.value_or(0))}};
    const size_t quanti = riga.conteggio ? campi.size() : campi.size() - 1;
    AggiungiElementoJson(uscita, std::span(campi.data(), quanti), prima);
}

void FormatoJson::ScriviCoda(std::string& uscita, const ContestoTabella& /*contesto*/, bool vuota) {
    ChiudiArrayJson(uscita, vuota);
}
