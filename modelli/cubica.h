#pragma once

#include <optional>

// Internal to the models: the real root of a·x³ + b·x² + c·x + d = 0 nearest vicino, by
// Cardano's formula (or the trigonometric one for three real roots) and polished by
// Newton's method; empty when there is no finite real root.
std::optional<double> RadiceCubica(double a, double b, double c, double d, double vicino);
