#include "modelli/cubica.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int PASSI_NEWTON = 4;

struct Radici {
    std::array<double, 3> valori{};
    int quante = 0;
    void Aggiungi(double x) {
        if (std::isfinite(x)) {
            valori[static_cast<std::size_t>(quante++)] = x;
        }
    }
};

// Of b·x² + c·x + d, in the form that does not subtract nearly equal numbers.
Radici RadiciQuadratiche(double b, double c, double d) {
    Radici radici;
    if (b == 0) {
        if (c != 0) {
            radici.Aggiungi(-d / c);
        }
        return radici;
    }
    const double delta = c * c - 4 * b * d;
    if (delta < 0) {
        return radici;
    }
    const double q = -0.5 * (c + std::copysign(std::sqrt(delta), c));
    radici.Aggiungi(q / b);
    if (q != 0) {
        radici.Aggiungi(d / q);
    }
    return radici;
}

// Of t³ + p·t + q. With one real root, t = u + v with u·v = −p/3 is written as
// −q / (u² − u·v + v²), which stays exact when p is large against q (a small cubic term).
Radici RadiciDepresse(double p, double q) {
    Radici radici;
    const double delta = (q / 2) * (q / 2) + (p / 3) * (p / 3) * (p / 3);
    if (delta > 0 || p == 0) {
        const double u = std::cbrt(-q / 2 - std::copysign(std::sqrt(std::max(delta, 0.0)), q));
        if (u == 0) {
            radici.Aggiungi(0);
            return radici;
        }
        const double v = -p / (3 * u);
        radici.Aggiungi(-q / (u * u - u * v + v * v));
        return radici;
    }
    const double raggio = 2 * std::sqrt(-p / 3);
    const double coseno = std::clamp(3 * q / (p * raggio), -1.0, 1.0);
    const double angolo = std::acos(coseno) / 3;
    for (int k = 0; k < 3; ++k) {
        radici.Aggiungi(raggio * std::cos(angolo - 2 * std::numbers::pi * k / 3));
    }
    return radici;
}

Radici RadiciCubiche(double a, double b, double c, double d) {
    if (a == 0) {
        return RadiciQuadratiche(b, c, d);
    }
    const double b1 = b / a;
    const double c1 = c / a;
    const double d1 = d / a;
    const double spostamento = b1 / 3;
    const double p = c1 - b1 * spostamento;
    const double q = (2 * spostamento * spostamento - c1) * spostamento + d1;
    Radici radici = RadiciDepresse(p, q);
    for (int i = 0; i < radici.quante; ++i) {
        radici.valori[static_cast<std::size_t>(i)] -= spostamento;
    }
    return radici;
}

} // namespace

std::optional<double> RadiceCubica(double a, double b, double c, double d, double vicino) {
    const Radici radici = RadiciCubiche(a, b, c, d);
    if (radici.quante == 0) {
        return std::nullopt;
    }
    double x = radici.valori[0];
    for (int i = 1; i < radici.quante; ++i) {
        const double altra = radici.valori[static_cast<std::size_t>(i)];
        if (std::fabs(altra - vicino) < std::fabs(x - vicino)) {
            x = altra;
        }
    }
    // The closed forms lose a few digits to the shift and the cube roots; Newton's method
    // on the original polynomial wins them back.
    for (int passo = 0; passo < PASSI_NEWTON; ++passo) {
        const double f = ((a * x + b) * x + c) * x + d;
        const double derivata = (3 * a * x + 2 * b) * x + c;
        if (f == 0 || derivata == 0) {
            break;
        }
        const double nuovo = x - f / derivata;
        if (!std::isfinite(nuovo) || nuovo == x) {
            break;
        }
        x = nuovo;
    }
    return x;
}
