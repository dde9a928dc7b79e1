#include "risorse/genera/disegni.h"

#include <QPainter>
#include <QPainterPath>

// The information sign: a white serif "i" on a dark blue disc, drawn on a 32-unit grid.
QImage DisegnaInformazioni(int lato) {
    QImage immagine(lato, lato, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.scale(lato / 32.0, lato / 32.0);

    QRadialGradient disco(QPointF(12, 10), 22);
    disco.setColorAt(0, QColor(40, 60, 170));
    disco.setColorAt(1, QColor(0, 0, 110));
    pittore.setPen(QPen(QColor(0, 0, 70), 1.0));
    pittore.setBrush(disco);
    pittore.drawEllipse(QRectF(1, 1, 30, 30));

    pittore.setPen(Qt::NoPen);
    pittore.setBrush(Qt::white);
    pittore.drawEllipse(QPointF(16, 8.5), 2.6, 2.6);
    QPainterPath lettera;
    lettera.addRect(QRectF(14, 13, 4.2, 10.5));
    lettera.addRect(QRectF(11.8, 13, 3, 2));
    lettera.addRect(QRectF(11.5, 22.5, 9.2, 2.3));
    lettera.setFillRule(Qt::WindingFill);
    pittore.drawPath(lettera);
    return immagine;
}
