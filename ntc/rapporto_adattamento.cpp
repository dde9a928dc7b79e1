#include "ntc/rapporto_adattamento.h"

#include "ntc/numeri_uscita.h"

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

void ScriviChiavi(std::string& uscita, std::string_view prefisso, const ParametriModello& p,
                  FormaNumeri forma) {
    for (const CampoJson& campo : Campi(p)) {
        uscita += prefisso;
        uscita += campo.nome;
        uscita += '=';
        AggiungiNumeroInForma(uscita, campo.valore, forma);
        uscita += '\n';
    }
}

void ScriviRighe(std::string& uscita, const AdattamentoModello& a, FormaNumeri forma) {
    uscita += "modello=";
    uscita += TipoDi(a.parametri).nome;
    uscita += '\n';
    ScriviChiavi(uscita, "", a.parametri, forma);
    uscita += "residuo_max_K=";
    AggiungiNumeroInForma(uscita, a.scarti.massimo, forma);
    uscita += "\nresidui_K=";
    AggiungiNumeri(uscita, a.scarti.perPunto, ",", forma);
    uscita += '\n';
    if (a.betaEstremi) {
        ScriviChiavi(uscita, "beta_estremi.", *a.betaEstremi, forma);
    }
}

void ScriviJson(std::string& uscita, const AdattamentoModello& a, FormaNumeri forma) {
    uscita += "{\n  \"modello\": ";
    AggiungiTestoJson(uscita, TipoDi(a.parametri).nome);
    for (const CampoJson& campo : Campi(a.parametri)) {
        uscita += ",\n  ";
        AggiungiTestoJson(uscita, campo.nome);
        uscita += ": ";
        AggiungiNumeroInForma(uscita, campo.valore, forma);
    }
    uscita += ",\n  \"residuo_max_K\": ";
    AggiungiNumeroInForma(uscita, a.scarti.massimo, forma);
    uscita += ",\n  \"residui_K\": [";
    AggiungiNumeri(uscita, a.scarti.perPunto, ", ", forma);
    uscita += "],\n  \"avvisi\": [";
    for (size_t i = 0; i < a.avvisi.size(); ++i) {
        uscita += i > 0 ? ", " : "";
        AggiungiTestoJson(uscita, a.avvisi[i]);
    }
    uscita += ']';
    if (a.betaEstremi) {
        uscita += ",\n  \"beta_estremi\": ";
        AggiungiOggettoJson(uscita, Campi(*a.betaEstremi), forma);
    }
    uscita += "\n}\n";
}

} // namespace

void VerificaAdattamento(const AdattamentoModello& a) {
    for (const CampoJson& campo : Campi(a.parametri)) {
        VerificaFinito(campo.valore, campo.nome);
    }
    // A residual is infinite where the fitted model has no temperature for the point.
    for (std::size_t i = 0; i < a.scarti.perPunto.size(); ++i) {
        VerificaFinito(a.scarti.perPunto[i], "residui_K",
                       " al punto " + std::to_string(i + 1) +
                           " (il modello adattato non vi dà una temperatura)");
    }
    VerificaFinito(a.scarti.massimo, "residuo_max_K");
    if (a.betaEstremi) {
        for (const CampoJson& campo : Campi(*a.betaEstremi)) {
            VerificaFinito(campo.valore, "beta_estremi." + std::string(campo.nome));
        }
    }
}

void ScriviAdattamento(std::string& uscita, const AdattamentoModello& adattamento, bool json,
                       FormaNumeri forma) {
    if (json) {
        ScriviJson(uscita, adattamento, forma);
    } else {
        ScriviRighe(uscita, adattamento, forma);
    }
}
