#include "finestra/mappa_tasti.h"

#include <utility>

namespace {

constexpr Qt::KeyboardModifiers CONFRONTATI =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// Keys compared with their modifiers.
struct TastoEsatto {
    Qt::Key tasto;
    Qt::KeyboardModifiers modificatori;
    Comando comando;
};

const TastoEsatto ESATTI[] = {
    {Qt::Key_Delete, Qt::NoModifier, {Schiera::Tasto, TASTO_C}},
    {Qt::Key_Delete, Qt::ShiftModifier, {Schiera::Tasto, TASTO_CLEAR}},
    {Qt::Key_F2, Qt::NoModifier, {Schiera::Operazione, OPERAZIONE_OHM_IN_C}},
    {Qt::Key_F3, Qt::NoModifier, {Schiera::Operazione, OPERAZIONE_C_IN_OHM}},
    {Qt::Key_F4, Qt::NoModifier, {Schiera::Operazione, OPERAZIONE_C_IN_F}},
};

// Keys that type a character, besides the digits: they act with or without Shift (some
// layouts need it for them); with Ctrl or Alt they belong to the menus.
const std::pair<Qt::Key, Comando> CARATTERI[] = {
    {Qt::Key_Comma, {Schiera::Tasto, TASTO_PUNTO}},
    {Qt::Key_Period, {Schiera::Tasto, TASTO_PUNTO}},
    {Qt::Key_Minus, {Schiera::Tasto, TASTO_SEGNO}},
    {Qt::Key_Backspace, {Schiera::Tasto, TASTO_BACK}},
    {Qt::Key_R, {Schiera::Par, PAR_R0}},
    {Qt::Key_B, {Schiera::Par, PAR_B}},
};

} // namespace

std::optional<Comando> ComandoDelTasto(int tasto, Qt::KeyboardModifiers modificatori) {
    const Qt::KeyboardModifiers tenuti = modificatori & CONFRONTATI;
    const bool carattere = (tenuti & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (carattere && tasto >= Qt::Key_0 && tasto <= Qt::Key_9) {
        return Comando{Schiera::Tasto, static_cast<qint16>(tasto - Qt::Key_0)};
    }
    for (const auto& [esatto, modificatoriEsatti, comando] : ESATTI) {
        if (esatto == tasto && modificatoriEsatti == tenuti) {
            return comando;
        }
    }
    for (const auto& [tastoCarattere, comando] : CARATTERI) {
        if (carattere && tastoCarattere == tasto) {
            return comando;
        }
    }
    return std::nullopt;
}

bool TastoDelControllo(int tasto) {
    switch (tasto) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}
