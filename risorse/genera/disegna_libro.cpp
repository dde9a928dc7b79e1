#include "risorse/genera/disegni.h"

#include <QPainter>
#include <QPainterPath>

// The icon is drawn on a 32-unit grid. At 16 and 32 px it keeps to the classic
// 16-colour palette without antialiasing, so it reads like a small desktop icon;
// the larger sizes get smooth edges and shading.
namespace {

const QColor MARRONE(128, 0, 0);
const QColor ROSSO(255, 0, 0);
const QColor BIANCO(255, 255, 255);
const QColor ARGENTO(192, 192, 192);
const QColor GRIGIO(128, 128, 128);

// The cover shows around the pages; wider in the small sizes, where a thin red
// rim would vanish.
QPainterPath Copertina(qreal margine) {
    QPainterPath p;
    p.moveTo(2 - margine, 10);
    p.lineTo(2 - margine, 27 + margine / 2);
    p.quadTo(9, 25 + margine, 16, 30 + margine);
    p.quadTo(23, 25 + margine, 30 + margine, 27 + margine / 2);
    p.lineTo(30 + margine, 10);
    p.lineTo(16, 13);
    p.closeSubpath();
    return p;
}

// The left page; the right one is its mirror image around the spine.
QPainterPath Pagina(qreal abbassamento) {
    QPainterPath p;
    p.moveTo(16, 9 + abbassamento);
    p.quadTo(10, 4 + abbassamento, 3, 6 + abbassamento);
    p.lineTo(3, 24 + abbassamento);
    p.quadTo(10, 22 + abbassamento, 16, 26 + abbassamento);
    p.closeSubpath();
    return p;
}

QPainterPath Specchia(const QPainterPath& p) {
    QTransform t;
    t.translate(32, 0);
    t.scale(-1, 1);
    return t.map(p);
}

QPainterPath Righe(int quante) {
    QPainterPath p;
    const qreal passo = 14.0 / quante;
    for (int i = 0; i < quante; ++i) {
        const qreal y = 10 + i * passo;
        p.moveTo(5.5, y);
        p.quadTo(10, y - 2.5, 14, y + 1.5);
    }
    return p;
}

} // namespace

QImage DisegnaLibro(int lato) {
    const bool piccola = lato <= 32;
    QImage immagine(lato, lato, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing, !piccola);
    pittore.scale(lato / 32.0, lato / 32.0);
    const qreal tratto = piccola ? 0.0 : 0.9;

    const QPainterPath copertina = Copertina(piccola ? 2 : 1);
    if (piccola) {
        pittore.setPen(lato <= 16 ? QPen(Qt::NoPen) : QPen(MARRONE, tratto));
        pittore.setBrush(ROSSO);
    } else {
        QLinearGradient sfumatura(0, 10, 0, 30);
        sfumatura.setColorAt(0, QColor(230, 40, 40));
        sfumatura.setColorAt(1, QColor(150, 10, 10));
        pittore.setPen(QPen(QColor(90, 0, 0), tratto));
        pittore.setBrush(sfumatura);
    }
    pittore.drawPath(copertina);

    // Sheets below the top one show the thickness of the page block.
    const std::initializer_list<qreal> fogli = piccola
                                                   ? std::initializer_list<qreal>{1.0, 0.0}
                                                   : std::initializer_list<qreal>{2.0, 1.0, 0.0};
    for (qreal abbassamento : fogli) {
        const bool sopra = abbassamento == 0.0;
        pittore.setPen(QPen(piccola ? GRIGIO : QColor(110, 110, 110), tratto));
        pittore.setBrush(sopra ? BIANCO : (piccola ? ARGENTO : QColor(225, 225, 225)));
        const QPainterPath pagina = Pagina(abbassamento);
        pittore.drawPath(pagina);
        pittore.drawPath(Specchia(pagina));
    }

    const QPainterPath righe = Righe(lato <= 16 ? 3 : 5);
    pittore.setBrush(Qt::NoBrush);
    pittore.setPen(QPen(piccola ? ARGENTO : QColor(150, 150, 170), piccola ? 0.0 : 0.8));
    pittore.drawPath(righe);
    pittore.drawPath(Specchia(righe));

    pittore.setPen(QPen(piccola ? GRIGIO : QColor(90, 90, 90), tratto));
    pittore.drawLine(QPointF(16, 9), QPointF(16, 26));
    return immagine;
}
