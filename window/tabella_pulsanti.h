#pragma once

#include "mappa_tasti.h"

#include <array>

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

// Twips to logical pixels, 15 to the pixel, rounded to the nearest.
constexpr int Px(int twips) {
    return (twips * 2 + 15) / 30;
}
