#pragma once

#include "curva/tacche.h"

#include <cstdint>
#include <optional>
#include <vector>

// A curve of any length drawn at the cost of the plot's width: the points that one pixel
// column holds are drawn as their lowest and highest, which looks the same as all of them
// and keeps a one-point spike.

struct PuntoXY {
    double x = 0;
    double y = 0;
};

class SerieSfoltita {
public:
    SerieSfoltita() = default;
    // Points sorted by x.
    explicit SerieSfoltita(std::vector<PuntoXY> punti);

    const std::vector<PuntoXY>& Punti() const { return punti_; }
    bool Vuota() const { return punti_.empty(); }
    Estremi EstremiX() const;
    Estremi EstremiY() const;
    // The curve at x, straight between its points; empty outside them.
    std::optional<double> Y(double x) const;

    // The points to draw between xMinimo and xMassimo when one column is larghezza wide:
    // for each column the lowest and the highest in their order along the curve, and the
    // nearest point beyond each end so that the line reaches the edge. Every point when
    // they are fewer than the columns.
    std::vector<PuntoXY> Tratto(double xMinimo, double xMassimo, double larghezza) const;

private:
    // For each level k ≥ 1, the indices of the lowest and the highest point of each block
    // of 2^k points.
    struct Livello {
        std::vector<std::uint32_t> minimo;
        std::vector<std::uint32_t> massimo;
    };

    std::vector<PuntoXY> punti_;
    std::vector<Livello> livelli_;
};
