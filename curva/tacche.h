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

// For a log axis, at most `massimo` values: 1, 2 and 5 of each decade, else the decades
// alone, else every 2nd, 5th, 10th… decade, whichever is the densest that fits; a range
// too narrow for two of those gets round linear steps instead.
std::vector<double> TaccheLogaritmiche(Estremi estremi, int massimo);

// The decimals a label needs to tell apart values `passo` apart (0.25 → 2, 20 → 0).
int DecimaliPerPasso(double passo);

// The significant digits a label needs for values up to `valore` that are `passo` apart
// (10 500 in steps of 100 → 3), at least `minime`.
int CifrePerPasso(double valore, double passo, int minime);
