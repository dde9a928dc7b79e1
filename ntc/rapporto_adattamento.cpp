#include "ntc/rapporto_adattamento.h"

#include "calcoli/scrittura_testi.h"

#include <vector>

namespace {

// The coefficients by the kind's keys, in its order.
std::vector<CampoJson> Campi(const ParametriModello& parametri) {
    const TipoModello& tipo = TipoDi(parametri);
    const std::vector<double> valori = ValoriCoefficienti(parametri);
    std::vector<CampoJson> campi;
    for (std::size_t i = 0; i < valori.size(); ++i) {
        campi.push_back({tipo.coefficienti[i].chiave, valori[i]});
    }
    return campi;
}

void ScriviChiavi(std::string& uscita, std::string_view prefisso, const ParametriModello& p) {
    for (const CampoJson& campo : Campi(p)) {
        uscita += prefisso;
        uscita += campo.nome;
        uscita += '=';
        AggiungiNumero(uscita, campo.valore);
        uscita += '\n';
    }
}

void ScriviRighe(std::string& uscita, const AdattamentoModello& a) {
    uscita += "modello=";
    uscita += TipoDi(a.parametri).nome;
    uscita += '\n';
    ScriviChiavi(uscita, "", a.parametri);
    uscita += "residuo_max_K=";
    AggiungiNumero(uscita, a.scarti.massimo);
    uscita += "\nresidui_K=";
    AggiungiNumeri(uscita, a.scarti.perPunto, ",");
    uscita += '\n';
    if (a.betaEstremi) {
        ScriviChiavi(uscita, "beta_estremi.", *a.betaEstremi);
    }
}

void ScriviJson(std::string& uscita, const AdattamentoModello& a) {
    uscita += "{\n  \"modello\": ";
    AggiungiTestoJson(uscita, TipoDi(a.parametri).nome);
    for (const CampoJson& campo : Campi(a.parametri)) {
        uscita += ",\n  ";
        AggiungiTestoJson(uscita, campo.nome);
        uscita += ": ";
        AggiungiNumero(uscita, campo.valore);
    }
    uscita += ",\n  \"residuo_max_K\": ";
    AggiungiNumero(uscita, a.scarti.massimo);
    uscita += ",\n  \"residui_K\": [";
    AggiungiNumeri(uscita, a.scarti.perPunto, ", ");
    uscita += "],\n  \"avvisi\": [";
    for (size_t i = 0; i < a.avvisi.size(); ++i) {
        uscita += i > 0 ? ", " : "";
        AggiungiTestoJson(uscita, a.avvisi[i]);
    }
    uscita += ']';
    if (a.betaEstremi) {
        uscita += ",\n  \"beta_estremi\": ";
        AggiungiOggettoJson(uscita, Campi(*a.betaEstremi));
    }
    uscita += "\n}\n";
}

} // namespace

void ScriviAdattamento(std::string& uscita, const AdattamentoModello& adattamento, bool json) {
    if (json) {
        ScriviJson(uscita, adattamento);
    } else {
        ScriviRighe(uscita, adattamento);
    }
}
