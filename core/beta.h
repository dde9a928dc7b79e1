#pragma once

#include <optional>

// The Beta model R = R0 · exp(B · (1/T − 1/T0)), T and T0 in °C, computed once for the
// calculator window and the models library so that both give the same digits. Empty
// without a positive R0 or with B = 0, below absolute zero, and on an overflow; the
// resistance may underflow to 0.
std::optional<double> ResistenzaBeta(double r0, double b, double t0, double temperatura);

// The inverse: the temperature in °C of a positive resistance, never below absolute zero.
std::optional<double> TemperaturaBeta(double r0, double b, double t0, double resistenza);
