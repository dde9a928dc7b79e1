#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QWidget;

// The windows are laid out in twips, 15 to the logical pixel (96 dots per inch); every
// position and size is rounded to the nearest pixel on its own.
constexpr int Px(int twips) {
    return (twips * 2 + 15) / 30;
}

QRect RettangoloTwip(int sinistra, int alto, int larghezza, int altezza);

// A line drawn as a filled widget, one pixel thick, from one end to the other (twips).
QWidget* CreaLinea(QWidget* genitore, const QString& nome, int x1, int y1, int x2, int y2,
                   const QColor& colore);

// Fills the widget's background with the colour.
void ImpostaSfondo(QWidget* controllo, const QColor& colore);
