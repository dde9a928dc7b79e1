#include "lista_storico.h"

#include <QHeaderView>

int ModelloStorico::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(righe_.size());
}

QVariant ModelloStorico::data(const QModelIndex& indice, int ruolo) const {
    if (ruolo != Qt::DisplayRole || !indice.isValid()) {
        return {};
    }
    return righe_[indice.row()];
}

void ModelloStorico::Aggiungi(const QString& riga) {
    const auto n = static_cast<int>(righe_.size());
    beginInsertRows(QModelIndex(), n, n);
    righe_.append(riga);
    endInsertRows();
}

void ModelloStorico::Svuota() {
    beginResetModel();
    righe_.clear();
    endResetModel();
}

ListaStorico::ListaStorico(QWidget* genitore) : QTableView(genitore), modello_(this) {
    setModel(&modello_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { sceltaDallUtente_ = !scrivendo_ && selectionModel()->hasSelection(); });
}

void ListaStorico::ImpostaRigaCorrente(int riga) {
    setCurrentIndex(modello_.index(riga));
}

bool ListaStorico::Selezionata(int riga) const {
    return selectionModel()->isRowSelected(riga, QModelIndex());
}

void ListaStorico::SelezionaUltima() {
    const QModelIndex ultima = modello_.index(Conta() - 1);
    scrivendo_ = true;
    setCurrentIndex(ultima);
    scrivendo_ = false;
    sceltaDallUtente_ = false;
    scrollTo(ultima);
    // The tape must show the new line before the handler goes on.
    viewport()->repaint();
}
