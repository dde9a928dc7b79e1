#pragma once

#include <optional>
#include <span>
#include <vector>

// Internal to the fits: the x minimising Σ w_i (Σ_j colonne[j][i]·x_j − termini[i])², by
// Householder's QR on the weighted, column-scaled matrix (the normal equations would square
// the poor conditioning of 1, ln R, ln³R). Empty when the columns are dependent on the
// weighted points. pesi is empty (all 1) or one weight per row.
std::optional<std::vector<double>> MinimiQuadrati(std::vector<std::vector<double>> colonne,
                                                  std::vector<double> termini,
                                                  std::span<const double> pesi);
