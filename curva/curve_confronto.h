#pragma once

#include "modelli/modello_ntc.h"
#include "modelli/punto_rt.h"

#include <QColor>
#include <QGroupBox>

#include <memory>
#include <vector>

class QListWidget;
class QPushButton;

// A curve drawn beside the window's own model for comparison: a model taken from the
// fields, or a maker's table (drawn by its rows).
struct CurvaConfronto {
    QString nome;
    QColor colore;
    std::shared_ptr<const ModelloNTC> modello;
    std::vector<PuntoRT> righe; // a table's own rows; empty for a model
    bool visibile = true;
};

// The list of those curves: each with its colour, shown or hidden by its check box,
// removed with the button or Delete.
class PannelloConfronto : public QGroupBox {
    Q_OBJECT
public:
    explicit PannelloConfronto(QWidget* genitore = nullptr);

    // Adds a curve in the next colour not in use.
    void Aggiungi(CurvaConfronto curva);
    // Removes the chosen curve; false when none is chosen.
    bool RimuoviScelta();
    void MostraCurva(std::size_t indice, bool visibile);
    const std::vector<CurvaConfronto>& Curve() const { return curve_; }
    QListWidget* Elenco() const { return lstCurve_; }

    // The colours of the window's own curve and of its maker's table, which the list
    // leaves to them.
    static const QColor COLORE_MODELLO;
    static const QColor COLORE_TABELLA;

signals:
    void Cambiate();
    void AggiuntaModelloChiesta();
    void AggiuntaTabellaChiesta();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QColor ProssimoColore() const;

    QListWidget* lstCurve_;
    std::vector<CurvaConfronto> curve_;
};
