#include "curva/grafico_curva.h"

#include "curva/campi_regione.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double MARGINE_SINISTRO = 72;
constexpr double MARGINE_DESTRO = 16;
constexpr double MARGINE_ALTO = 28;
constexpr double MARGINE_BASSO = 44;
constexpr int TACCHE_X = 10;
constexpr int TACCHE_Y = 8;
// The arrow keys move the cursor by this share of the x range.
constexpr double PASSI_CURSORE = 200;
constexpr double RIEMPIMENTO_Y = 0.05;
constexpr double PIXEL_PER_PUNTO = 0.5;

const QColor COLORE_CURVA(0x1f, 0x5f, 0xbf);
const QColor COLORE_GRIGLIA(0xd8, 0xd8, 0xd8);
const QColor COLORE_FASCIA(0xf0, 0xa0, 0x30, 0x60);
const QColor COLORE_CURSORE(0xc0, 0x20, 0x20);

} // namespace

GraficoCurva::GraficoCurva(const QLocale& regione, QWidget* genitore)
    : QWidget(genitore), regione_(regione) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoCurva::ImpostaAssi(const QString& titoloX, const QString& titoloY, Scala scalaY) {
    titoloX_ = titoloX;
    titoloY_ = titoloY;
    scalaY_ = scalaY;
}

double GraficoCurva::YInterno(double y) const {
    return scalaY_ == Scala::Logaritmica ? std::log10(y) : y;
}

void GraficoCurva::ImpostaSerie(std::vector<QPointF> punti, std::vector<QPointF> fascia) {
    punti_ = std::move(punti);
    fascia_ = std::move(fascia);
    if (!punti_.empty()) {
        x_ = {punti_.front().x(), punti_.back().x()};
        if (x_.massimo == x_.minimo) {
            x_ = {x_.minimo - 1, x_.massimo + 1};
        }
        const auto [basso, alto] = std::minmax_element(
            punti_.begin(), punti_.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
        double minimo = basso->y();
        double massimo = alto->y();
        if (scalaY_ == Scala::Logaritmica) {
            const Estremi decadi = EstremiLogaritmici(minimo, massimo);
            y_ = {std::log10(decadi.minimo), std::log10(decadi.massimo)};
            for (QPointF& punto : punti_) {
                punto.setY(std::log10(punto.y()));
            }
        } else {
            for (const QPointF& semiampiezza : fascia_) {
                minimo = std::min(minimo, -semiampiezza.y());
                massimo = std::max(massimo, semiampiezza.y());
            }
            const double margine = std::max(massimo - minimo, 1e-3) * RIEMPIMENTO_Y;
            y_ = {minimo - margine, massimo + margine};
        }
    }
    sfondo_ = QPixmap();
    if (punti_.empty()) {
        // Nothing to read: a reading of the last curve would be stale.
        cursore_.reset();
        lettura_.clear();
        setAccessibleDescription(lettura_);
    } else if (cursore_) {
        PortaCursore(*cursore_);
    }
    update();
}

void GraficoCurva::ImpostaMessaggio(const QString& messaggio) {
    messaggio_ = messaggio;
    ImpostaSerie({});
}

void GraficoCurva::ImpostaLettura(FunzioneLettura lettura) {
    funzioneLettura_ = std::move(lettura);
}

Estremi GraficoCurva::EstremiY() const {
    if (scalaY_ == Scala::Logaritmica) {
        return {std::pow(10.0, y_.minimo), std::pow(10.0, y_.massimo)};
    }
    return y_;
}

std::vector<double> GraficoCurva::TaccheY() const {
    return scalaY_ == Scala::Logaritmica ? TaccheLogaritmiche(EstremiY())
                                         : TaccheLineari(y_, TACCHE_Y);
}

QStringList GraficoCurva::EtichetteX() const {
    QStringList etichette;
    for (const double x : TaccheLineari(x_, TACCHE_X)) {
        etichette << TestoGradi(regione_, x);
    }
    return etichette;
}

QStringList GraficoCurva::EtichetteY() const {
    QStringList etichette;
    for (const double y : TaccheY()) {
        etichette << (scalaY_ == Scala::Logaritmica ? TestoOhm(regione_, y)
                                                    : TestoGradi(regione_, y));
    }
    return etichette;
}

QRectF GraficoCurva::AreaDati(QSize dimensione) const {
    return QRectF(MARGINE_SINISTRO, MARGINE_ALTO,
                  std::max(1.0, dimensione.width() - MARGINE_SINISTRO - MARGINE_DESTRO),
                  std::max(1.0, dimensione.height() - MARGINE_ALTO - MARGINE_BASSO));
}

QPointF GraficoCurva::InPixel(QPointF dato, const QRectF& area) const {
    return {area.left() + (dato.x() - x_.minimo) / (x_.massimo - x_.minimo) * area.width(),
            area.bottom() - (dato.y() - y_.minimo) / (y_.massimo - y_.minimo) * area.height()};
}

void GraficoCurva::Disegna(QPainter& pittore, QSize dimensione) const {
    pittore.fillRect(QRect(QPoint(0, 0), dimensione), Qt::white);
    const QRectF area = AreaDati(dimensione);
    if (punti_.empty()) {
        pittore.setPen(Qt::darkGray);
        pittore.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, messaggio_);
        return;
    }
    const QFontMetricsF metriche(pittore.font());
    pittore.setPen(COLORE_GRIGLIA);
    const auto etichetteX = EtichetteX();
    const auto taccheX = TaccheLineari(x_, TACCHE_X);
    for (size_t i = 0; i < taccheX.size(); ++i) {
        const double px = InPixel({taccheX[i], 0}, area).x();
        pittore.setPen(COLORE_GRIGLIA);
        pittore.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        pittore.setPen(Qt::black);
        const QString& testo = etichetteX[static_cast<int>(i)];
        pittore.drawText(
            QPointF(px - metriche.horizontalAdvance(testo) / 2, area.bottom() + metriche.height()),
            testo);
    }
    const auto etichetteY = EtichetteY();
    const auto taccheY = TaccheY();
    for (size_t i = 0; i < taccheY.size(); ++i) {
        const double py = InPixel({0, YInterno(taccheY[i])}, area).y();
        pittore.setPen(COLORE_GRIGLIA);
        pittore.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        pittore.setPen(Qt::black);
        const QString& testo = etichetteY[static_cast<int>(i)];
        pittore.drawText(QPointF(area.left() - metriche.horizontalAdvance(testo) - 6,
                                 py + metriche.ascent() / 2 - 1),
                         testo);
    }
    pittore.setPen(Qt::black);
    pittore.drawRect(area);
    pittore.drawText(QRectF(area.left(), area.bottom() + metriche.height() + 2, area.width(),
                            metriche.height() + 4),
                     Qt::AlignHCenter, titoloX_);
    pittore.drawText(QPointF(4, metriche.ascent() + 2), titoloY_);

    pittore.save();
    pittore.setClipRect(area);
    if (!fascia_.empty()) {
        QPolygonF fascia;
        for (const QPointF& punto : fascia_) {
            fascia << InPixel(punto, area);
        }
        // Back along the lower edge, so the band closes on itself.
        for (size_t i = fascia_.size(); i-- > 0;) {
            fascia << InPixel({fascia_[i].x(), -fascia_[i].y()}, area);
        }
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(COLORE_FASCIA);
        pittore.drawPolygon(fascia);
    }
    // A smooth curve needs no more than two points a pixel; a fine grid would otherwise
    // cost the antialiased line most of its time in segments shorter than a pixel.
    QPolygonF curva;
    curva.reserve(
        static_cast<qsizetype>(std::min(punti_.size(), 2 * static_cast<size_t>(area.width()) + 2)));
    for (const QPointF& punto : punti_) {
        const QPointF pixel = InPixel(punto, area);
        if (curva.isEmpty() || &punto == &punti_.back() ||
            std::fabs(pixel.x() - curva.constLast().x()) >= PIXEL_PER_PUNTO) {
            curva << pixel;
        }
    }
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(QPen(COLORE_CURVA, 1.5));
    pittore.drawPolyline(curva);
    pittore.restore();
}

std::optional<double> GraficoCurva::YCurva(double x) const {
    const auto dopo =
        std::lower_bound(punti_.begin(), punti_.end(), x,
                         [](QPointF punto, double valore) { return punto.x() < valore; });
    if (dopo == punti_.end()) {
        return punti_.empty() ? std::nullopt : std::optional(punti_.back().y());
    }
    if (dopo == punti_.begin() || dopo->x() == x) {
        return dopo->y();
    }
    const QPointF prima = *(dopo - 1);
    return prima.y() + (dopo->y() - prima.y()) * (x - prima.x()) / (dopo->x() - prima.x());
}

void GraficoCurva::paintEvent(QPaintEvent* /*evento*/) {
    const qreal rapporto = devicePixelRatioF();
    if (sfondo_.isNull() || sfondo_.size() != size() * rapporto) {
        sfondo_ = QPixmap(size() * rapporto);
        sfondo_.setDevicePixelRatio(rapporto);
        QPainter pittoreSfondo(&sfondo_);
        Disegna(pittoreSfondo, size());
    }
    QPainter pittore(this);
    pittore.drawPixmap(0, 0, sfondo_);
    if (!cursore_ || punti_.empty()) {
        return;
    }
    const QRectF area = AreaDati(size());
    const double px = InPixel({*cursore_, 0}, area).x();
    pittore.setPen(QPen(COLORE_CURSORE, 1, Qt::DashLine));
    pittore.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
    if (const auto y = YCurva(*cursore_)) {
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setBrush(COLORE_CURSORE);
        pittore.drawEllipse(InPixel({*cursore_, *y}, area), 3, 3);
    }
    pittore.setPen(Qt::black);
    pittore.drawText(QRectF(area.left(), 4, area.width(), MARGINE_ALTO - 6), Qt::AlignRight,
                     lettura_);
}

void GraficoCurva::PortaCursore(double x) {
    if (punti_.empty()) {
        return;
    }
    cursore_ = std::clamp(x, x_.minimo, x_.massimo);
    lettura_ = funzioneLettura_ ? funzioneLettura_(*cursore_) : QString();
    setAccessibleDescription(lettura_);
    emit LetturaCambiata(lettura_);
    update();
}

void GraficoCurva::mouseMoveEvent(QMouseEvent* evento) {
    const QRectF area = AreaDati(size());
    const double px = std::clamp(evento->position().x(), area.left(), area.right());
    PortaCursore(x_.minimo + (px - area.left()) / area.width() * (x_.massimo - x_.minimo));
}

void GraficoCurva::keyPressEvent(QKeyEvent* evento) {
    const double passo = (x_.massimo - x_.minimo) / PASSI_CURSORE;
    const double da = cursore_.value_or(x_.minimo);
    switch (evento->key()) {
    case Qt::Key_Left:
        PortaCursore(da - passo);
        break;
    case Qt::Key_Right:
        PortaCursore(da + passo);
        break;
    case Qt::Key_Home:
        PortaCursore(x_.minimo);
        break;
    case Qt::Key_End:
        PortaCursore(x_.massimo);
        break;
    default:
        QWidget::keyPressEvent(evento);
    }
}

void GraficoCurva::resizeEvent(QResizeEvent* evento) {
    sfondo_ = QPixmap();
    QWidget::resizeEvent(evento);
}
