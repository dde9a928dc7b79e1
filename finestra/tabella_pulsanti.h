#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The three button arrays of the main window and the indices of their buttons.
enum class Schiera { Tasto, Par, Operazione };

// Cmd_Tasto: the digits are their own indices, 0 to 9.
inline constexpr qint16 TASTO_PUNTO = 10;
inline constexpr qint16 TASTO_SEGNO = 11;
inline constexpr qint16 TASTO_CLEAR = 12; // empties the history
inline constexpr qint16 TASTO_C = 13;     // sets the register to 0
inline constexpr qint16 TASTO_BACK = 14;
inline constexpr qint16 TASTO_INFO = 15;
inline constexpr qint16 TASTO_RESET = 16;
inline constexpr qint16 NUMERO_TASTI = 17;

inline constexpr qint16 PAR_R0 = 0;
inline constexpr qint16 PAR_B = 1;
inline constexpr qint16 NUMERO_PAR = 2;

inline constexpr qint16 OPERAZIONE_OHM_IN_C = 0;
inline constexpr qint16 OPERAZIONE_C_IN_OHM = 1;
inline constexpr qint16 OPERAZIONE_C_IN_F = 2;
inline constexpr qint16 OPERAZIONE_C_IN_K = 3;
inline constexpr qint16 NUMERO_OPERAZIONI = 4;

// The push buttons of the main window, in creation order (which is also the stacking
// order: an earlier row lies above a later one). Positions in twips.
struct Pulsante {
    Schiera schiera;
    qint16 indice;
    const char* didascalia;
    const char* suggerimento;
    int sinistra;
    int alto;
    int larghezza;
    int altezza;
    int tab;
    bool inPicPar;
};

extern const std::array<Pulsante, 23> PULSANTI;

// The button's object name: its array's name and its index ("Cmd_Tasto12").
QString NomePulsante(Schiera schiera, qint16 indice);
