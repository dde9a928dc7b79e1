#pragma once

#include "modelli/esito.h"
#include "modelli/modello_ntc.h"
#include "modelli/punto_rt.h"

#include <string>
#include <vector>

// A maker's table: between neighbouring rows ln R is linear in 1/T; outside the table
// there is no result (no extrapolation).
class ModelloTabella final : public ModelloNTC {
public:
    // At least two rows, in any order; temperatures distinct and above absolute zero,
    // resistances positive and strictly falling as the temperature rises.
    static Esito<ModelloTabella> Crea(std::vector<PuntoRT> righe);

    // Rows sorted by rising temperature.
    const std::vector<PuntoRT>& Righe() const { return righe_; }

    std::optional<double> Resistenza(double temperatura) const override;
    std::optional<double> Temperatura(double resistenza) const override;
    // The slope of the segment holding the temperature (at a row, the one above it).
    std::optional<double> DerivataLogaritmica(double temperatura) const override;

private:
    explicit ModelloTabella(std::vector<PuntoRT> righe) : righe_(std::move(righe)) {}
    std::vector<PuntoRT> righe_;
};

// What a message adds when a value falls outside a table: "la tabella va da -40 °C
// (195652 Ω) a 125 °C (531 Ω)"; empty for a model that is not a table.
std::string TestoCampo(const ModelloNTC& modello);
