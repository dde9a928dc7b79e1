#pragma once

#include <vector>

// Where an axis puts its grid lines and labels.

struct Estremi {
    double minimo = 0;
    double massimo = 1;
};

// Round values (1, 2 or 5 × 10^n apart) inside the range, about `circa` of them.
std::vector<double> TaccheLineari(Estremi estremi, int circa);

// A resistance range widened to whole decades, so the log axis starts and ends on a line;
// a range within one decade to the 1, 2, 5 steps around it, so the curve still fills it.
Estremi EstremiLogaritmici(double minimo, double massimo);

// For a log axis: every decade, and 2 and 5 within it when the range spans few decades
// (else the lines would crowd).
std::vector<double> TaccheLogaritmiche(Estremi estremi);
