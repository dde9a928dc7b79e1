#include "risorse/genera/disegni.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

// Medium blue with an orange band along the bottom five rows; the band blends
// into the blue over the outer part of each side.
QImage DisegnaLogo(QSize logica, qreal rapporto) {
    const QColor blu(98, 134, 225);
    const QColor arancio(247, 150, 55);
    const QSize fisica = logica * rapporto;
    QImage immagine(fisica, QImage::Format_RGB888);
    immagine.fill(blu);

    const int righe = static_cast<int>(std::lround(5 * rapporto));
    const qreal sfumatura = 0.4;
    for (int x = 0; x < fisica.width(); ++x) {
        const qreal t = (x + 0.5) / fisica.width();
        const qreal lineare = std::clamp(std::min(t, 1.0 - t) / sfumatura, 0.0, 1.0);
        const qreal peso = lineare * lineare * (3 - 2 * lineare);
        const QColor colore = QColor::fromRgbF(
            static_cast<float>(blu.redF() + (arancio.redF() - blu.redF()) * peso),
            static_cast<float>(blu.greenF() + (arancio.greenF() - blu.greenF()) * peso),
            static_cast<float>(blu.blueF() + (arancio.blueF() - blu.blueF()) * peso));
        for (int y = fisica.height() - righe; y < fisica.height(); ++y) {
            immagine.setPixelColor(x, y, colore);
        }
    }
    return immagine;
}
