#include "risorse/aspetto.h"

#include <QPainter>

#include <algorithm>

namespace {

// A line one pixel thick from one end to the other, in pixels.
QRect RettangoloLinea(int x1, int y1, int x2, int y2) {
    const int x = Px(std::min(x1, x2));
    const int y = Px(std::min(y1, y2));
    return {x, y, std::max(1, Px(std::max(x1, x2)) - x), std::max(1, Px(std::max(y1, y2)) - y)};
}

QWidget* Linea(QWidget* genitore, const QString& nome, int x1, int y1, int x2, int y2,
               const QColor& colore) {
    auto* linea = new QWidget(genitore);
    linea->setObjectName(nome);
    linea->setGeometry(RettangoloLinea(x1, y1, x2, y2));
    QPalette tavolozza = linea->palette();
    tavolozza.setColor(QPalette::Window, colore);
    linea->setPalette(tavolozza);
    return linea;
}

} // namespace

QRect RettangoloTwip(int sinistra, int alto, int larghezza, int altezza) {
    return {Px(sinistra), Px(alto), Px(larghezza), Px(altezza)};
}

QWidget* CreaLinea(QWidget* genitore, const QString& nome, int x1, int y1, int x2, int y2,
                   const QColor& colore) {
    QWidget* linea = Linea(genitore, nome, x1, y1, x2, y2, colore);
    linea->setAutoFillBackground(true);
    return linea;
}

void ImpostaSfondo(QWidget* controllo, const QColor& colore) {
    controllo->setAutoFillBackground(true);
    QPalette tavolozza = controllo->palette();
    tavolozza.setColor(QPalette::Window, colore);
    controllo->setPalette(tavolozza);
}

QWidget* AreaCliente::AggiungiLinea(const QString& nome, int x1, int y1, int x2, int y2,
                                    const QColor& colore) {
    QWidget* linea = Linea(this, nome, x1, y1, x2, y2, colore);
    linea->hide();
    linee_.push_back(linea);
    return linea;
}

void AreaCliente::AggiungiSfondo(const QWidget* figlio, const QColor& colore) {
    sfondi_.emplace_back(figlio, colore);
}

void AreaCliente::paintEvent(QPaintEvent* /*evento*/) {
    QPainter pittore(this);
    for (const auto& [figlio, colore] : sfondi_) {
        pittore.fillRect(figlio->geometry(), colore);
    }
    // Where two lines cross, the one stacked higher is drawn later, as its widget would be.
    for (const QObject* figlio : children()) {
        if (std::find(linee_.begin(), linee_.end(), figlio) != linee_.end()) {
            const auto* linea = static_cast<const QWidget*>(figlio);
            pittore.fillRect(linea->geometry(), linea->palette().color(QPalette::Window));
        }
    }
}
