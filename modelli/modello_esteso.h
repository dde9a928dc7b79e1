#pragma once

#include "modelli/modello_ntc.h"

// The makers' four-coefficient form, as the inverse they publish:
// 1/T = A1 + B1 x + C1 x² + D1 x³ with x = ln(R / Rrif), T in kelvin.
struct ParametriEsteso {
    double A1 = 0;
    double B1 = 0;
    double C1 = 0;
    double D1 = 0;
    double Rrif = 0; // ohm, usually R25
};

// T(R) directly, R(T) by Cardano's formula on the cubic in x.
class ModelloEsteso final : public ModelloNTC {
public:
    explicit ModelloEsteso(const ParametriEsteso& parametri) : p_(parametri) {}
    const ParametriEsteso& Parametri() const { return p_; }

    std::optional<double> Resistenza(double temperatura) const override;
    std::optional<double> Temperatura(double resistenza) const override;
    std::optional<double> DerivataLogaritmica(double temperatura) const override;

private:
    ParametriEsteso p_;
};
