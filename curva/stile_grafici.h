#pragma once

#include <QColor>

// What the curve's plot and the design's plot share, so that they read as one program's.
inline const QColor COLORE_GRIGLIA(0xd8, 0xd8, 0xd8);
// The room left above and below the curves, as a share of the data's range.
inline constexpr double RIEMPIMENTO_Y = 0.05;
