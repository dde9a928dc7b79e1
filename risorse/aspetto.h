#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

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

// A window's client area that paints the separator lines and the flat backgrounds of its
// layout in its own paint, under its children. Each line stays a child named as the layout
// names it, with its place and its colour, but hidden: as a shown widget every line would be
// polished, announced to the accessibility bridge and painted on its own.
class AreaCliente : public QWidget {
public:
    using QWidget::QWidget;

    // A line one pixel thick from one end to the other (twips), in the colour.
    QWidget* AggiungiLinea(const QString& nome, int x1, int y1, int x2, int y2,
                           const QColor& colore);

    // The background under a child that paints none of its own.
    void AggiungiSfondo(const QWidget* figlio, const QColor& colore);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<const QWidget*> linee_;
    std::vector<std::pair<const QWidget*, QColor>> sfondi_;
};
