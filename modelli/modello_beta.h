#pragma once

#include "modelli/modello_ntc.h"

// R = R0 · exp(B · (1/T − 1/T0)).
struct ParametriBeta {
    double R0 = 0;  // ohm at T0
    double B = 0;   // kelvin
    double T0 = 25; // °C
};

// The calculator window's own computation, so for T0 = 25 the same digits as CalcolaOhm and
// CalcolaTemperatura.
class ModelloBeta final : public ModelloNTC {
public:
    explicit ModelloBeta(const ParametriBeta& parametri) : p_(parametri) {}
    const ParametriBeta& Parametri() const { return p_; }

    std::optional<double> Resistenza(double temperatura) const override;
    std::optional<double> Temperatura(double resistenza) const override;
    std::optional<double> DerivataLogaritmica(double temperatura) const override;

private:
    ParametriBeta p_;
};
