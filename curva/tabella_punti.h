#pragma once

#include <QTableWidget>

// The fit's points: °C and ohm typed in the first two columns, the fit's residual in the
// third, which takes no typing. Tab goes from °C to ohm to the next row's °C; Delete
// empties the chosen cells; typing into the last row opens another.
class TabellaPunti : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int COLONNA_SCARTO = 2;

    TabellaPunti(int righe, QWidget* genitore = nullptr);

    // Writes a residual, or nothing, into a row's third column.
    void ImpostaScarto(int riga, const QString& testo);
    // Removes the rows of the chosen cells; keeps one row at least.
    void RimuoviRigheScelte();
    // So many empty rows, no points.
    void Prepara(int righe);
    // As many empty rows as there were at first.
    void Svuota() { Prepara(righeIniziali_); }
    // The cell's text without blanks around it; empty for an empty cell.
    QString Testo(int riga, int colonna) const;

protected:
    QModelIndex moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void AggiungiRiga();

    int righeIniziali_;
};
