#pragma once

#include "modelli/modello_ntc.h"

// The makers' four-coefficient form, as the forward form they publish:
// R / Rrif = exp(A + B/T + C/T² + D/T³), T in kelvin.
struct ParametriEstesoDiretto {
    double A = 0;
    double B = 0;
    double C = 0;
    double D = 0;
    double Rrif = 0; // ohm, usually R25
};

// R(T) directly, T(R) by Cardano's formula on the cubic in 1/T.
class ModelloEstesoDiretto final : public ModelloNTC {
public:
    explicit ModelloEstesoDiretto(const ParametriEstesoDiretto& parametri) : p_(parametri) {}
    const ParametriEstesoDiretto& Parametri() const { return p_; }

    std::optional<double> Resistenza(double temperatura) const override;
    std::optional<double> Temperatura(double resistenza) const override;
    std::optional<double> DerivataLogaritmica(double temperatura) const override;

private:
    ParametriEstesoDiretto p_;
};
