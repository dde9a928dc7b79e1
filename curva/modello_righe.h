#pragma once

#include "calcoli/righe_tabella.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

// The R–T table for a view: T, R, α in %/K and the ADC count when there is one, each in
// the region's number format, to six significant digits and right-aligned for reading;
// the full value in the tooltip, for screen readers and in the copy.
class ModelloRighe : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloRighe(const QLocale& regione, QObject* genitore = nullptr);

    void ImpostaRighe(std::vector<RigaTabella> righe);
    const std::vector<RigaTabella>& Righe() const { return righe_; }

    // The whole table as tab-separated lines with a heading, as a spreadsheet pastes it.
    QString TestoSeparatoDaTabulazioni() const;

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;

private:
    // To so many significant digits; every digit with 0.
    QString Cella(const RigaTabella& riga, int colonna, int cifre) const;

    QLocale regione_;
    std::vector<RigaTabella> righe_;
    bool conAdc_ = false;
};
