#pragma once

#include "calcoli/progetto.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

// The ranked series resistors for a view: the continuous optimum, the best candidates and
// the preferred value nearest the optimum, each figure in the region's number format and
// to the digits worth reading.
class ModelloCandidati : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloCandidati(const QLocale& regione, QObject* genitore = nullptr);

    // The optimum, the first `quanti` candidates and the nearest value, in that order.
    void ImpostaScelta(const SceltaResistenza& scelta, std::size_t quanti);
    void Svuota();
    // The series resistor of a row.
    double Resistenza(int riga) const { return righe_.at(static_cast<std::size_t>(riga)).rSerie; }
    // The first row of the ranking (not the optimum) with this resistor; -1 if none.
    int RigaDi(double rSerie) const;

    // The whole table as tab-separated lines with a heading, as a spreadsheet pastes it.
    QString TestoSeparatoDaTabulazioni() const;

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;

private:
    QString Cella(int riga, int colonna) const;

    QLocale regione_;
    std::vector<FigureResistenza> righe_;
};
