#pragma once

#include "curva/tacche.h"

#include <QLocale>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

// A plot of one curve against temperature, with an optional band around zero, drawn with
// QPainter: grid, labels in the region's format, and a cursor that reads the curve where
// the pointer (or the arrow keys) put it.
class GraficoCurva : public QWidget {
    Q_OBJECT
public:
    enum class Scala { Lineare, Logaritmica };
    // What the cursor shows for a temperature on the x axis.
    using FunzioneLettura = std::function<QString(double)>;

    explicit GraficoCurva(const QLocale& regione, QWidget* genitore = nullptr);

    void ImpostaAssi(const QString& titoloX, const QString& titoloY, Scala scalaY);
    // Points sorted by x; the band, when given, is one (x, half-width) per point, drawn as
    // ±half-width around zero. An empty curve shows the message instead.
    void ImpostaSerie(std::vector<QPointF> punti, std::vector<QPointF> fascia = {});
    void ImpostaMessaggio(const QString& messaggio);
    void ImpostaLettura(FunzioneLettura lettura);

    Estremi EstremiX() const { return x_; }
    // In the axis's own units (ohm on a log axis).
    Estremi EstremiY() const;
    QStringList EtichetteX() const;
    QStringList EtichetteY() const;

    // Puts the cursor at a temperature (kept within the x range) and reads it.
    void PortaCursore(double x);
    QString Lettura() const { return lettura_; }

    // The whole picture at a size, for the screen and for PNG and SVG files.
    void Disegna(QPainter& pittore, QSize dimensione) const;

signals:
    void LetturaCambiata(const QString& lettura);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QRectF AreaDati(QSize dimensione) const;
    QPointF InPixel(QPointF dato, const QRectF& area) const;
    double YInterno(double y) const;
    std::vector<double> TaccheY() const;
    std::optional<double> YCurva(double x) const;

    QLocale regione_;
    QString titoloX_;
    QString titoloY_;
    Scala scalaY_ = Scala::Lineare;
    std::vector<QPointF> punti_; // y already log10 on a log axis
    std::vector<QPointF> fascia_;
    QString messaggio_;
    Estremi x_;
    Estremi y_; // in the inner units (log10 on a log axis)
    FunzioneLettura funzioneLettura_;
    std::optional<double> cursore_;
    QString lettura_;
    QPixmap sfondo_; // everything but the cursor, redrawn when the data or size change
};
