#include "curva/tabella_punti.h"

#include <QKeyEvent>

#include <algorithm>
#include <set>

TabellaPunti::TabellaPunti(int righe, QWidget* genitore)
    : QTableWidget(0, COLONNA_SCARTO + 1, genitore), righeIniziali_(righe) {
    for (int i = 0; i < righe; ++i) {
        AggiungiRiga();
    }
    // Typing into the last row opens another, so any number of points can be typed.
    connect(this, &QTableWidget::cellChanged, this, [this](int riga, int colonna) {
        if (colonna != COLONNA_SCARTO && riga == rowCount() - 1 &&
            !Testo(riga, colonna).isEmpty()) {
            AggiungiRiga();
        }
    });
}

void TabellaPunti::AggiungiRiga() {
    const int riga = rowCount();
    insertRow(riga);
    // The residual is the fit's: shown, selectable, never typed into.
    auto* scarto = new QTableWidgetItem;
    scarto->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(riga, COLONNA_SCARTO, scarto);
}

void TabellaPunti::ImpostaScarto(int riga, const QString& testo) {
    item(riga, COLONNA_SCARTO)->setText(testo);
}

QString TabellaPunti::Testo(int riga, int colonna) const {
    const QTableWidgetItem* cella = item(riga, colonna);
    return cella ? cella->text().trimmed() : QString();
}

void TabellaPunti::RimuoviRigheScelte() {
    std::set<int> righe;
    for (const QModelIndex& indice : selectionModel()->selectedIndexes()) {
        righe.insert(indice.row());
    }
    if (righe.empty() && currentRow() >= 0) {
        righe.insert(currentRow());
    }
    // From the last, so that the rows still to go keep their numbers.
    std::for_each(righe.rbegin(), righe.rend(), [this](int riga) { removeRow(riga); });
    if (rowCount() == 0 || !Testo(rowCount() - 1, 0).isEmpty() ||
        !Testo(rowCount() - 1, 1).isEmpty()) {
        AggiungiRiga();
    }
}

void TabellaPunti::Prepara(int righe) {
    setRowCount(0);
    for (int i = 0; i < righe; ++i) {
        AggiungiRiga();
    }
}

QModelIndex TabellaPunti::moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) {
    const QModelIndex da = currentIndex();
    if (!da.isValid() || (azione != MoveNext && azione != MovePrevious)) {
        return QTableWidget::moveCursor(azione, modificatori);
    }
    // Tab walks the two typed columns row by row, and stops at the table's ends so that
    // the focus moves on to the next control.
    const int ultima = COLONNA_SCARTO - 1;
    int riga = da.row();
    int colonna = std::min(da.column(), ultima);
    if (azione == MoveNext) {
        colonna = da.column() >= ultima ? (++riga, 0) : colonna + 1;
    } else {
        colonna = da.column() == 0 ? (--riga, ultima) : colonna - 1;
    }
    if (riga < 0 || riga >= rowCount()) {
        return {};
    }
    return model()->index(riga, colonna);
}

void TabellaPunti::keyPressEvent(QKeyEvent* evento) {
    if ((evento->key() == Qt::Key_Delete || evento->key() == Qt::Key_Backspace) &&
        state() != EditingState) {
        for (QTableWidgetItem* cella : selectedItems()) {
            if (cella->column() != COLONNA_SCARTO) {
                cella->setText({});
            }
        }
        return;
    }
    QTableWidget::keyPressEvent(evento);
}
