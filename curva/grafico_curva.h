#pragma once

#include "calcoli/griglia.h"
#include "curva/sfoltimento.h"
#include "curva/tacche.h"

#include <QColor>
#include <QLocale>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

// A plot of curves against temperature, drawn with QPainter: any number of curves and
// maker's rows (markers), each in its colour and named in a legend, an optional band
// around zero, grid and labels in the region's format, an optional second scale on the
// right, and a cursor that reads the curves where the pointer or the keys put it. The
// wheel zooms (over an axis, that axis alone), a drag pans, Home shows everything again.
class GraficoCurva : public QWidget {
    Q_OBJECT
public:
    // A log axis is labelled in plain numbers, or in ohm with their prefixes (2 kΩ).
    enum class Scala { Lineare, Logaritmica, LogaritmicaOhm };
    enum class Tratto { Linea, Marcatori };
    struct Serie {
        QString nome; // its legend entry; none when empty
        QColor colore;
        Tratto tratto = Tratto::Linea;
        std::vector<QPointF> punti; // sorted by x, y in the axis's units
    };
    // A second scale on the right for the same curves: the left value times fattore.
    struct AsseDestro {
        QString titolo;
        double fattore = 1;
    };
    // What the cursor reads at a temperature: the line above the plot, and the value there
    // of each curve, in the order they were given, then the band's (empty where none).
    struct LetturaCursore {
        QString testo;
        QStringList valori;
    };
    using FunzioneLettura = std::function<LetturaCursore(double)>;

    explicit GraficoCurva(const QLocale& regione, QWidget* genitore = nullptr);

    void ImpostaAssi(const QString& titoloX, const QString& titoloY, Scala scalaY,
                     std::optional<AsseDestro> destro = std::nullopt);
    // The curves; the band, when given, is one (x, half-width) per point, drawn as
    // ±half-width around zero and named in the legend as nomeFascia. The view stays
    // zoomed while the curves keep their x range. No curve shows the message instead.
    void ImpostaSerie(std::vector<Serie> serie, const std::vector<QPointF>& fascia = {},
                      const QString& nomeFascia = {});
    void ImpostaMessaggio(const QString& messaggio);
    void ImpostaLettura(FunzioneLettura lettura);
    // The arrow keys step the cursor along this grid, ten steps with PgUp and PgDn.
    void ImpostaGriglia(std::optional<Griglia> griglia);

    // The view's ranges (ohm on a log axis) and labels at the widget's size.
    Estremi EstremiX() const { return vistaX_; }
    Estremi EstremiY() const;
    QStringList EtichetteX() const;
    QStringList EtichetteY() const;
    QStringList Legenda() const;

    // Puts the cursor at a temperature (kept within the curves' range; the view follows
    // it) and reads it.
    void PortaCursore(double x);
    std::optional<double> Cursore() const { return cursore_; }
    QString Lettura() const { return lettura_.testo; }
    // The reading and each legend entry's value, one a line: what Copy gives.
    QString TestoLettura() const;

    // Zooms both axes about the cursor (or the middle): a factor below 1 zooms in.
    void Ingrandisci(double fattore);
    void VistaIntera();

    // The whole picture at a size, legend included, for the screen and for PNG and SVG.
    void Disegna(QPainter& pittore, QSize dimensione) const;

signals:
    void LetturaCambiata(const QString& lettura);
    // The user moved the cursor, with the pointer or the keys.
    void CursoreMosso(double x);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    struct SerieInterna {
        QString nome;
        QColor colore;
        Tratto tratto = Tratto::Linea;
        SerieSfoltita dati; // y in the inner units (log10 on a log axis)
    };
    // Where each part of the picture goes at a size.
    struct Impaginazione {
        QRectF area;
        QRectF lettura;
        std::vector<double> taccheX;
        std::vector<double> taccheY; // in the axis's units
        std::vector<double> taccheDestre;
        int decimaliX = 0;
        int decimaliY = 0;
        int decimaliDestre = 0;
    };
    enum class Zona { Dati, AsseX, AsseY };

    Impaginazione Impagina(QSize dimensione) const;
    // The layout at the widget's size, kept with the picture: a cursor move needs it at
    // once, and it measures every tick label.
    const Impaginazione& Pagina() const;
    void ScartaSfondo();
    QStringList TestiY(const Impaginazione& pagina) const;
    QPointF InPixel(PuntoXY dato, const QRectF& area) const;
    double XDaPixel(double px, const QRectF& area) const;
    bool Logaritmica() const { return scalaY_ != Scala::Lineare; }
    double YInterno(double y) const;
    void DisegnaSfondo(QPainter& pittore, QSize dimensione, const Impaginazione& pagina) const;
    // The legend's box in a corner (0 top right, 1 top left, 2 bottom right, 3 bottom left).
    QRectF RiquadroLegenda(const QRectF& area, const QStringList& testi, int angolo) const;
    QRectF RiquadroLegenda(const QRectF& area, double larghezzaTesti, qsizetype righe,
                           int angolo) const;
    void DisegnaLegenda(QPainter& pittore, const QRectF& area, const QStringList& valori,
                        int angolo) const;
    int AngoloLegenda(const QRectF& area, QSizeF dimensione) const;
    void CambiaVista(Estremi x, Estremi y);
    void Zooma(Zona zona, PuntoXY centro, double fattore);
    void SpostaCursoreDiPassi(long passi);
    void SpostaCursoreA(double x);
    void AggiornaLettura();

    QLocale regione_;
    QString titoloX_;
    QString titoloY_;
    Scala scalaY_ = Scala::Lineare;
    std::optional<AsseDestro> destro_;
    std::vector<SerieInterna> serie_;
    SerieSfoltita fascia_;
    QString nomeFascia_;
    QString messaggio_;
    Estremi datiX_;
    Estremi datiY_; // in the inner units, with the room the axis leaves around the curves
    Estremi vistaX_;
    Estremi vistaY_;
    std::optional<Griglia> griglia_;
    FunzioneLettura funzioneLettura_;
    std::optional<double> cursore_;
    LetturaCursore lettura_;
    std::optional<QPointF> inizioTrascinamento_;
    Estremi trascinamentoX_;
    Estremi trascinamentoY_;
    QPixmap sfondo_; // everything but the cursor and the legend, redrawn when the view changes
    mutable std::optional<Impaginazione> pagina_;
    int angoloLegenda_ = 0;
};
