#pragma once

#include "modelli/modello_ntc.h"

// 1/T = A + B ln R + C (ln R)³, T in kelvin, R in ohm.
struct ParametriSteinhartHart {
    double A = 0;
    double B = 0;
    double C = 0;
};

// R(T) by Cardano's formula; with C ≤ 0 the root on the branch of the Beta-like
// approximation is taken, and none where that branch does not reach.
class ModelloSteinhartHart final : public ModelloNTC {
public:
    explicit ModelloSteinhartHart(const ParametriSteinhartHart& parametri) : p_(parametri) {}
    const ParametriSteinhartHart& Parametri() const { return p_; }

    std::optional<double> Resistenza(double temperatura) const override;
    std::optional<double> Temperatura(double resistenza) const override;
    std::optional<double> DerivataLogaritmica(double temperatura) const override;

private:
    ParametriSteinhartHart p_;
};
