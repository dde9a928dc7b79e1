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
    void Aggiungi(const QString& riga) { modello_.Aggiungi(riga); }
    void Svuota() {
        modello_.Svuota();
        sceltaDallUtente_ = false;
    }
    int RigaCorrente() const { return currentIndex().row(); }
    void ImpostaRigaCorrente(int riga);
    bool Selezionata(int riga) const;
    // Whether the selected line is one the user picked since the last write, rather than
    // the newest line the program highlighted.
    bool SceltaDallUtente() const { return sceltaDallUtente_; }

    // Selects the newest line, makes it current and visible, and paints at once.
    void SelezionaUltima();

private:
    ModelloStorico modello_;
    bool sceltaDallUtente_ = false;
    bool scrivendo_ = false;
};
