#include "calcoli/tre_punti.h"

std::optional<std::array<RigaTabella, 3>> TrePunti(std::span<const RigaTabella> righe) {
    if (righe.size() < 3) {
        return std::nullopt;
    }
    return std::array{righe.front(), righe[righe.size() / 2], righe.back()};
}
