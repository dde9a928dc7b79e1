#include "curva/grafico_progetto.h"

#include "curva/campi_regione.h"
#include "curva/stile_grafici.h"
#include "curva/tacche.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double MARGINE_SINISTRO = 64;
constexpr double MARGINE_DESTRO_PROGETTO = 12;
constexpr double MARGINE_ALTO = 22;
constexpr double MARGINE_BASSO = 34;
constexpr double SPAZIO_LEGENDA = 10;
constexpr double LATO_CAMPIONE_LEGENDA = 10;
// About one label per so many pixels, so that a narrow plot's labels do not run together.
constexpr double PIXEL_PER_TACCA_X = 45;
constexpr double PIXEL_PER_TACCA_Y = 30;
constexpr int OPACITA_LEGENDA = 0xd0;
constexpr int OPACITA_STRATI = 0xb0;

struct Scala {
    Estremi x;
    Estremi y;
    QRectF area;

    QPointF Pixel(double dx, double dy) const {
        return {area.left() + (dx - x.minimo) / (x.massimo - x.minimo) * area.width(),
                area.bottom() - (dy - y.minimo) / (y.massimo - y.minimo) * area.height()};
    }
};

} // namespace

GraficoProgetto::GraficoProgetto(const QLocale& regione, const QString& titoloY, QWidget* genitore)
    : QWidget(genitore), regione_(regione), titoloY_(titoloY) {
    setMinimumSize(240, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoProgetto::ImpostaDati(std::vector<double> x, std::vector<Serie> strati,
                                  std::vector<Serie> linee) {
    x_ = std::move(x);
    strati_ = std::move(strati);
    linee_ = std::move(linee);
    messaggio_.clear();
    update();
}

void GraficoProgetto::ImpostaMessaggio(const QString& messaggio) {
    x_.clear();
    strati_.clear();
    linee_.clear();
    messaggio_ = messaggio;
    update();
}

void GraficoProgetto::Disegna(QPainter& pittore, QSize dimensione) const {
    pittore.fillRect(QRect(QPoint(0, 0), dimensione), Qt::white);
    const QFontMetricsF metriche(pittore.font());
    // One series needs no legend: the axis's title names it.
    const bool conLegenda = strati_.size() + linee_.size() > 1;
    double legenda = 0;
    for (const auto* gruppo : {&strati_, &linee_}) {
        if (!conLegenda) {
            break;
        }
        for (const Serie& serie : *gruppo) {
            legenda = std::max(legenda, metriche.horizontalAdvance(serie.nome) +
                                            LATO_CAMPIONE_LEGENDA + 2 * SPAZIO_LEGENDA);
        }
    }
    const double larghezza = dimensione.width() - MARGINE_SINISTRO - MARGINE_DESTRO_PROGETTO;
    // Beside the plot while that leaves it twice the legend's width, else over its top left.
    const bool legendaAccanto = larghezza - legenda >= 2 * legenda;
    Scala scala;
    scala.area = QRectF(MARGINE_SINISTRO, MARGINE_ALTO,
                        std::max(1.0, larghezza - (legendaAccanto ? legenda : 0)),
                        std::max(1.0, dimensione.height() - MARGINE_ALTO - MARGINE_BASSO));
    if (x_.empty()) {
        pittore.setPen(Qt::darkGray);
        pittore.drawText(scala.area, Qt::AlignCenter | Qt::TextWordWrap, messaggio_);
        return;
    }

    // The stack's running sums, from zero; the y range holds them and the lines.
    std::vector<std::vector<double>> cime(strati_.size(), std::vector<double>(x_.size()));
    for (std::size_t s = 0; s < strati_.size(); ++s) {
        for (std::size_t i = 0; i < x_.size(); ++i) {
            cime[s][i] = (s > 0 ? cime[s - 1][i] : 0) + strati_[s].valori[i];
        }
    }
    constexpr double INFINITO = std::numeric_limits<double>::infinity();
    double minimo = strati_.empty() ? INFINITO : 0;
    double massimo = strati_.empty() ? -INFINITO : 0;
    for (const auto& cima : cime) {
        massimo = std::max(massimo, *std::max_element(cima.begin(), cima.end()));
    }
    for (const Serie& linea : linee_) {
        const auto [basso, alto] = std::minmax_element(linea.valori.begin(), linea.valori.end());
        minimo = std::min(minimo, *basso);
        massimo = std::max(massimo, *alto);
    }
    const double margine = std::max(massimo - minimo, 1e-9) * RIEMPIMENTO_Y;
    scala.y = {strati_.empty() ? minimo - margine : 0, massimo + margine};
    scala.x = {x_.front(), x_.back()};
    if (scala.x.massimo == scala.x.minimo) {
        scala.x = {scala.x.minimo - 1, scala.x.massimo + 1};
    }

    const QRectF& area = scala.area;
    const auto tacche = [](double pixel, double perTacca) {
        return std::max(2, static_cast<int>(pixel / perTacca));
    };
    for (const double tacca : TaccheLineari(scala.x, tacche(area.width(), PIXEL_PER_TACCA_X))) {
        const double px = scala.Pixel(tacca, 0).x();
        pittore.setPen(COLORE_GRIGLIA);
        pittore.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        pittore.setPen(Qt::black);
        const QString testo = TestoGradi(regione_, tacca);
        pittore.drawText(
            QPointF(px - metriche.horizontalAdvance(testo) / 2, area.bottom() + metriche.height()),
            testo);
    }
    for (const double tacca : TaccheLineari(scala.y, tacche(area.height(), PIXEL_PER_TACCA_Y))) {
        const double py = scala.Pixel(0, tacca).y();
        pittore.setPen(COLORE_GRIGLIA);
        pittore.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        pittore.setPen(Qt::black);
        const QString testo = TestoGradi(regione_, tacca);
        pittore.drawText(QPointF(area.left() - metriche.horizontalAdvance(testo) - 6,
                                 py + metriche.ascent() / 2 - 1),
                         testo);
    }
    pittore.setPen(Qt::black);
    pittore.drawRect(area);
    pittore.drawText(QRectF(area.left(), area.bottom() + metriche.height() + 2, area.width(),
                            metriche.height() + 4),
                     Qt::AlignHCenter, tr("T (°C)"));
    pittore.drawText(QPointF(4, metriche.ascent() + 2), titoloY_);

    pittore.save();
    pittore.setClipRect(area);
    pittore.setRenderHint(QPainter::Antialiasing);
    for (std::size_t s = 0; s < strati_.size(); ++s) {
        QPolygonF strato;
        for (std::size_t i = 0; i < x_.size(); ++i) {
            strato << scala.Pixel(x_[i], cime[s][i]);
        }
        // Back along the layer below, so the area closes on itself.
        for (std::size_t i = x_.size(); i-- > 0;) {
            strato << scala.Pixel(x_[i], s > 0 ? cime[s - 1][i] : 0);
        }
        QColor colore = strati_[s].colore;
        colore.setAlpha(OPACITA_STRATI);
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(colore);
        pittore.drawPolygon(strato);
    }
    for (const Serie& linea : linee_) {
        QPolygonF punti;
        for (std::size_t i = 0; i < x_.size(); ++i) {
            punti << scala.Pixel(x_[i], linea.valori[i]);
        }
        // The second line dashed, so two that meet stay told apart.
        pittore.setPen(
            QPen(linea.colore, 1.5, &linea == &linee_.front() ? Qt::SolidLine : Qt::DashLine));
        pittore.setBrush(Qt::NoBrush);
        pittore.drawPolyline(punti);
    }
    pittore.restore();

    // The legend, top to bottom as the stack reads from the top down, then the lines.
    if (!conLegenda) {
        return;
    }
    const auto voci = static_cast<double>(strati_.size() + linee_.size());
    const double x = legendaAccanto ? area.right() + SPAZIO_LEGENDA : area.left() + SPAZIO_LEGENDA;
    double y = legendaAccanto ? area.top() : area.top() + SPAZIO_LEGENDA / 2;
    if (!legendaAccanto) {
        pittore.fillRect(QRectF(x - SPAZIO_LEGENDA / 2, y - 2, legenda - SPAZIO_LEGENDA,
                                voci * (metriche.height() + 2) + 4),
                         QColor(255, 255, 255, OPACITA_LEGENDA));
    }
    const auto voce = [&](const Serie& serie, bool area) {
        const QRectF campione(x, y + (metriche.height() - LATO_CAMPIONE_LEGENDA) / 2,
                              LATO_CAMPIONE_LEGENDA, LATO_CAMPIONE_LEGENDA);
        if (area) {
            pittore.fillRect(campione, serie.colore);
        } else {
            pittore.setPen(QPen(serie.colore, 2));
            pittore.drawLine(QPointF(campione.left(), campione.center().y()),
                             QPointF(campione.right(), campione.center().y()));
        }
        pittore.setPen(Qt::black);
        pittore.drawText(QPointF(x + LATO_CAMPIONE_LEGENDA + 4, y + metriche.ascent()), serie.nome);
        y += metriche.height() + 2;
    };
    for (std::size_t s = strati_.size(); s-- > 0;) {
        voce(strati_[s], true);
    }
    for (const Serie& linea : linee_) {
        voce(linea, false);
    }
}

void GraficoProgetto::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    Disegna(pittore, size());
}
