#include "ntc/modello_adattato.h"

#include "ntc/formati.h"

#include <array>
#include <span>

namespace {

// The model's name as --modello takes it, and its coefficients in the order they are
// printed.
struct Coefficienti {
    std::string_view modello;
    std::array<CampoJson, 5> campi;
    size_t quanti = 0;
};

Coefficienti CoefficientiBeta(const ParametriBeta& p) {
    return {"beta", {CampoJson{"R0", p.R0}, {"B", p.B}, {"T0", p.T0}}, 3};
}

Coefficienti CoefficientiDi(const ModelloAdattato& modello) {
    if (const auto* beta = std::get_if<ParametriBeta>(&modello.parametri)) {
        return CoefficientiBeta(*beta);
    }
    if (const auto* sh = std::get_if<ParametriSteinhartHart>(&modello.parametri)) {
        return {"steinhart-hart", {CampoJson{"A", sh->A}, {"B", sh->B}, {"C", sh->C}}, 3};
    }
    const auto& e = std::get<ParametriEsteso>(modello.parametri);
    return {"esteso",
            {CampoJson{"A1", e.A1}, {"B1", e.B1}, {"C1", e.C1}, {"D1", e.D1}, {"Rrif", e.Rrif}},
            5};
}

void ScriviRighe(std::string& uscita, const ModelloAdattato& modello) {
    const Coefficienti coefficienti = CoefficientiDi(modello);
    uscita += "modello=";
    uscita += coefficienti.modello;
    uscita += '\n';
    for (size_t i = 0; i < coefficienti.quanti; ++i) {
        uscita += coefficienti.campi[i].nome;
        uscita += '=';
        AggiungiNumero(uscita, coefficienti.campi[i].valore);
        uscita += '\n';
    }
    uscita += "residuo_max_K=";
    AggiungiNumero(uscita, modello.residuoMassimo);
    uscita += "\nresidui_K=";
    AggiungiNumeri(uscita, modello.residui, ",");
    uscita += '\n';
    if (modello.betaEstremi) {
        const Coefficienti beta = CoefficientiBeta(*modello.betaEstremi);
        for (size_t i = 0; i < beta.quanti; ++i) {
            uscita += "beta_estremi.";
            uscita += beta.campi[i].nome;
            uscita += '=';
            AggiungiNumero(uscita, beta.campi[i].valore);
            uscita += '\n';
        }
    }
}

void ScriviJson(std::string& uscita, const ModelloAdattato& modello) {
    const Coefficienti coefficienti = CoefficientiDi(modello);
    uscita += "{\n  \"modello\": ";
    AggiungiTestoJson(uscita, coefficienti.modello);
    for (size_t i = 0; i < coefficienti.quanti; ++i) {
        uscita += ",\n  ";
        AggiungiTestoJson(uscita, coefficienti.campi[i].nome);
        uscita += ": ";
        AggiungiNumero(uscita, coefficienti.campi[i].valore);
    }
    uscita += ",\n  \"residuo_max_K\": ";
    AggiungiNumero(uscita, modello.residuoMassimo);
    uscita += ",\n  \"residui_K\": [";
    AggiungiNumeri(uscita, modello.residui, ", ");
    uscita += "],\n  \"avvisi\": [";
    for (size_t i = 0; i < modello.avvisi.size(); ++i) {
        uscita += i > 0 ? ", " : "";
        AggiungiTestoJson(uscita, modello.avvisi[i]);
    }
    uscita += ']';
    if (modello.betaEstremi) {
        const Coefficienti beta = CoefficientiBeta(*modello.betaEstremi);
        uscita += ",\n  \"beta_estremi\": ";
        AggiungiOggettoJson(uscita, std::span(beta.campi.data(), beta.quanti));
    }
    uscita += "\n}\n";
}

} // namespace

void ScriviModelloAdattato(std::string& uscita, const ModelloAdattato& modello, bool json) {
    if (json) {
        ScriviJson(uscita, modello);
    } else {
        ScriviRighe(uscita, modello);
    }
}
