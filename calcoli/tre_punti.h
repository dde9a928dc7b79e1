#pragma once

#include "calcoli/righe_tabella.h"

#include <array>
#include <optional>
#include <span>

// The three points Klipper and ESPHome fit their own Steinhart–Hart to: the table's ends and
// its middle row; empty with fewer than three rows.
std::optional<std::array<RigaTabella, 3>> TrePunti(std::span<const RigaTabella> righe);

inline constexpr const char* SERVONO_TRE_RIGHE =
    "questo formato vuole tre punti: servono almeno tre righe";
