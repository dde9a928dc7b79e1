#include "risorse/genera/disegni.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

// R = R0 · e^[B · (1/T − 1/T0)] in italic serif: the fractions are stacked inside
// the exponent and the brackets are drawn as strokes sized to them.
namespace {

const QString FAMIGLIA = QStringLiteral("Liberation Serif");

QFont Carattere(qreal pixel) {
    QFont f(FAMIGLIA);
    f.setItalic(true);
    f.setPixelSize(static_cast<int>(pixel));
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Lays the formula out from left to right; with no painter it only measures.
class Composizione {
public:
    explicit Composizione(QPainter* pittore) : pittore_(pittore) {}

    void Testo(const QString& testo, qreal pixel, qreal linea) {
        const QFont f = Carattere(pixel);
        if (pittore_ != nullptr) {
            pittore_->setFont(f);
            pittore_->drawText(QPointF(x_, linea), testo);
        }
        x_ += QFontMetricsF(f).horizontalAdvance(testo);
    }

    void Spazio(qreal quanto) { x_ += quanto; }

    void Frazione(const QString& sotto, const QString& pedice, qreal pixel, qreal asse) {
        const QFont f = Carattere(pixel);
        const QFont fp = Carattere(pixel * 0.7);
        const QFontMetricsF m(f);
        const qreal larghezzaSotto =
            m.horizontalAdvance(sotto) +
            (pedice.isEmpty() ? 0 : QFontMetricsF(fp).horizontalAdvance(pedice));
        const qreal larghezza =
            std::max(m.horizontalAdvance(QStringLiteral("1")), larghezzaSotto) + 3;
        if (pittore_ != nullptr) {
            pittore_->setFont(f);
            pittore_->drawText(
                QPointF(x_ + (larghezza - m.horizontalAdvance(QStringLiteral("1"))) / 2,
                        asse - 2.5),
                QStringLiteral("1"));
            const qreal xs = x_ + (larghezza - larghezzaSotto) / 2;
            const qreal lineaSotto = asse + m.capHeight() + 2.5;
            pittore_->drawText(QPointF(xs, lineaSotto), sotto);
            if (!pedice.isEmpty()) {
                pittore_->setFont(fp);
                pittore_->drawText(
                    QPointF(xs + m.horizontalAdvance(sotto), lineaSotto + pixel * 0.2), pedice);
            }
            pittore_->fillRect(QRectF(x_ + 0.5, asse - 0.5, larghezza - 1, 1.1), Qt::black);
        }
        x_ += larghezza;
    }

    void Parentesi(bool quadra, bool apre, qreal alto, qreal basso) {
        const qreal larghezza = quadra ? 5 : 5.5;
        if (pittore_ != nullptr) {
            QPainterPath p;
            const qreal esterno = apre ? x_ + 1.5 : x_ + larghezza - 1.5;
            const qreal interno = apre ? x_ + larghezza - 0.5 : x_ + 0.5;
            if (quadra) {
                p.moveTo(interno, alto);
                p.lineTo(esterno, alto);
                p.lineTo(esterno, basso);
                p.lineTo(interno, basso);
            } else {
                p.moveTo(interno, alto);
                p.quadTo(esterno - (interno - esterno) * 0.6, (alto + basso) / 2, interno, basso);
            }
            pittore_->strokePath(p, QPen(Qt::black, 1.1));
        }
        x_ += larghezza + 1;
    }

    qreal Larghezza() const { return x_; }

private:
    QPainter* pittore_;
    qreal x_ = 0;
};

void Componi(Composizione& c) {
    const qreal base = 29;
    const qreal linea = 54;
    const qreal esponente = 18;
    const qreal asse = 23;

    c.Testo(QStringLiteral("R"), base, linea);
    c.Spazio(4);
    c.Testo(QStringLiteral("="), base, linea);
    c.Spazio(4);
    c.Testo(QStringLiteral("R"), base, linea);
    c.Testo(QStringLiteral("0"), base * 0.65, linea + base * 0.22);
    c.Spazio(2);
    c.Testo(QString(QChar(0x00B7)), base, linea);
    c.Spazio(2);
    c.Testo(QStringLiteral("e"), base, linea);
    c.Spazio(2);
    c.Parentesi(true, true, asse - 18, asse + 19);
    c.Testo(QStringLiteral("B"), esponente, asse + 6);
    c.Spazio(1);
    c.Testo(QString(QChar(0x00B7)), esponente, asse + 6);
    c.Spazio(1);
    c.Parentesi(false, true, asse - 16, asse + 17);
    c.Frazione(QStringLiteral("T"), QString(), esponente, asse);
    c.Spazio(1.5);
    c.Testo(QString(QChar(0x2212)), esponente, asse + 6);
    c.Spazio(1.5);
    c.Frazione(QStringLiteral("T"), QStringLiteral("0"), esponente, asse);
    c.Parentesi(false, false, asse - 16, asse + 17);
    c.Parentesi(true, false, asse - 18, asse + 19);
}

} // namespace

QImage DisegnaEquazione(QSize logica, qreal rapporto) {
    QImage immagine(logica * rapporto, QImage::Format_RGB888);
    immagine.fill(Qt::white);
    immagine.setDevicePixelRatio(rapporto);

    Composizione misura(nullptr);
    Componi(misura);

    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    pittore.setPen(Qt::black);
    pittore.translate((logica.width() - misura.Larghezza()) / 2, 0);
    Composizione disegno(&pittore);
    Componi(disegno);
    return immagine;
}
