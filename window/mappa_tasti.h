#pragma once

#include <QtGlobal>
#include <optional>

// The keyboard map of the main window as two tables: keys (by Windows virtual-key code
// and modifier mask) and typed characters, each pointing at a button array and index.

enum class Schiera { Tasto, Par, Operazione };

struct Comando {
    Schiera schiera;
    qint16 indice;
    friend bool operator==(const Comando&, const Comando&) = default;
};

// Modifier mask: Shift = 1, Ctrl = 2, Alt = 4, compared whole.
inline constexpr int MASCHERA_SHIFT = 1;
inline constexpr int MASCHERA_CTRL = 2;
inline constexpr int MASCHERA_ALT = 4;

inline constexpr int VK_DELETE = 46;
inline constexpr int VK_F2 = 113;
inline constexpr int VK_F3 = 114;
inline constexpr int VK_F4 = 115;

std::optional<Comando> ComandoTastoGiu(int codice, int maschera);
std::optional<Comando> ComandoCarattere(char16_t carattere);
