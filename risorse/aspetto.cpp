#include "risorse/aspetto.h"

#include <QWidget>

#include <algorithm>

QRect RettangoloTwip(int sinistra, int alto, int larghezza, int altezza) {
    return {Px(sinistra), Px(alto), Px(larghezza), Px(altezza)};
}

QWidget* CreaLinea(QWidget* genitore, const QString& nome, int x1, int y1, int x2, int y2,
                   const QColor& colore) {
    auto* linea = new QWidget(genitore);
    linea->setObjectName(nome);
    const int x = Px(std::min(x1, x2));
    const int y = Px(std::min(y1, y2));
    linea->setGeometry(x, y, std::max(1, Px(std::max(x1, x2)) - x),
                       std::max(1, Px(std::max(y1, y2)) - y));
    ImpostaSfondo(linea, colore);
    return linea;
}

void ImpostaSfondo(QWidget* controllo, const QColor& colore) {
    controllo->setAutoFillBackground(true);
    QPalette tavolozza = controllo->palette();
    tavolozza.setColor(QPalette::Window, colore);
    controllo->setPalette(tavolozza);
}
