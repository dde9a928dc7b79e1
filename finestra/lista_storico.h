#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QTableView>

// The lines of the history, read-only.
class ModelloStorico : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& genitore = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    void Aggiungi(const QString& riga);
    void Svuota();
    const QString& Riga(int i) const { return righe_[i]; }

private:
    QStringList righe_;
};

// The history list box: one selectable line at a time, never sorted. A table view of
// one column stands in for a list view because it lays out rows by a fixed height,
// so appending a line costs the same at any length of the history.
class ListaStorico : public QTableView {
    Q_OBJECT
public:
    explicit ListaStorico(QWidget* genitore);

    int Conta() const { return modello_.rowCount(); }
    const QString& Riga(int i) const { return modello_.Riga(i); }
    void Aggiungi(const QString& riga);
    void Svuota();
    int RigaCorrente() const { return currentIndex().row(); }
    void ImpostaRigaCorrente(int riga);
    bool Selezionata(int riga) const;
    // Whether the selected line is one the user picked since the last write, rather than
    // the newest line the program highlighted.
    bool SceltaDallUtente() const { return sceltaDallUtente_; }

    // Selects the newest line, makes it current and visible, and paints at once.
    void SelezionaUltima();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& indice,
                                                         const QEvent* evento) const override;
    QModelIndex moveCursor(CursorAction azione, Qt::KeyboardModifiers modificatori) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void AdattaColonna();

    ModelloStorico modello_;
    // The widest line so far: the one column is as wide, so a long line can be scrolled to.
    int larghezzaMassima_ = 0;
    mutable bool sceltaDallUtente_ = false;
};
