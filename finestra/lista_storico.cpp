#include "finestra/lista_storico.h"

#include "risorse/avvio.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>

namespace {

constexpr qreal PUNTI_CARATTERE = 8.25;

} // namespace

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
    // The small interface face the layout was drawn for: a result line such as
    // "697.51977298619 [Ohm] = 99.99999987849 [°C]" fits the list's width.
    QFont carattere(FamigliaInstallata(QStringLiteral("Arial")));
    carattere.setPointSizeF(PUNTI_CARATTERE);
    setFont(carattere);
    horizontalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ListaStorico::Aggiungi(const QString& riga) {
    modello_.Aggiungi(riga);
    // The cell's margins and the focus frame around the text.
    const int margini = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    larghezzaMassima_ =
        std::max(larghezzaMassima_, fontMetrics().horizontalAdvance(riga) + margini);
    AdattaColonna();
}

void ListaStorico::Svuota() {
    modello_.Svuota();
    sceltaDallUtente_ = false;
    larghezzaMassima_ = 0;
    AdattaColonna();
}

void ListaStorico::AdattaColonna() {
    const int larghezza = std::max(larghezzaMassima_, viewport()->width());
    if (columnWidth(0) != larghezza) {
        setColumnWidth(0, larghezza);
    }
}

void ListaStorico::resizeEvent(QResizeEvent* evento) {
    QTableView::resizeEvent(evento);
    AdattaColonna();
}

// A click, Space or a move with the keys picks the line it lands on, also the line already
// highlighted; Ctrl+Space or Ctrl+click on the picked line drops it. The program's own
// selection of the newest line comes with no event.
QItemSelectionModel::SelectionFlags ListaStorico::selectionCommand(const QModelIndex& indice,
                                                                   const QEvent* evento) const {
    const auto comando = QTableView::selectionCommand(indice, evento);
    if (evento != nullptr && indice.isValid()) {
        if (comando.testFlag(QItemSelectionModel::Deselect)) {
            sceltaDallUtente_ = false;
        } else if (comando.testFlag(QItemSelectionModel::Select)) {
            sceltaDallUtente_ = true;
        }
    }
    return comando;
}

// Home and End go to the first and the last line, as Ctrl+Home and Ctrl+End do.
QModelIndex ListaStorico::moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) {
    if (azione == MoveHome && Conta() > 0) {
        return modello_.index(0);
    }
    if (azione == MoveEnd && Conta() > 0) {
        return modello_.index(Conta() - 1);
    }
    return QTableView::moveCursor(azione, modificatori);
}

void ListaStorico::ImpostaRigaCorrente(int riga) {
    setCurrentIndex(modello_.index(riga));
}

bool ListaStorico::Selezionata(int riga) const {
    return selectionModel()->isRowSelected(riga, QModelIndex());
}

void ListaStorico::SelezionaUltima() {
    const QModelIndex ultima = modello_.index(Conta() - 1);
    setCurrentIndex(ultima);
    sceltaDallUtente_ = false;
    scrollTo(ultima);
    // The tape must show the new line before the handler goes on.
    viewport()->repaint();
}
