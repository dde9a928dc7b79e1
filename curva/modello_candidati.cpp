#include "curva/modello_candidati.h"

#include "calcoli/progetto_testi.h"
#include "curva/campi_regione.h"

#include <array>

namespace {

// The columns, in the order of COLONNE_CANDIDATI.
const std::array<const char*, COLONNE_CANDIDATI.size()> INTESTAZIONI_CANDIDATI{
    QT_TRANSLATE_NOOP("ModelloCandidati", "Posto"),
    QT_TRANSLATE_NOOP("ModelloCandidati", "R serie (Ω)"),
    QT_TRANSLATE_NOOP("ModelloCandidati", "Criterio"),
    QT_TRANSLATE_NOOP("ModelloCandidati", "Perdita (%)"),
    QT_TRANSLATE_NOOP("ModelloCandidati", "Risoluzione peggiore (K)"),
    QT_TRANSLATE_NOOP("ModelloCandidati", "Errore peggiore (± K)"),
    QT_TRANSLATE_NOOP("ModelloCandidati", "Errore RSS (± K)"),
    QT_TRANSLATE_NOOP("ModelloCandidati", "Autoriscaldamento (K)"),
};

// A preferred value has three digits, the optimum more than a part is made to; the figures
// compare to a few parts in ten thousand. The exports keep every digit.
constexpr int CIFRE_RESISTENZA = 6;
constexpr int CIFRE_FIGURE = 4;

} // namespace

ModelloCandidati::ModelloCandidati(const QLocale& regione, QObject* genitore)
    : QAbstractTableModel(genitore), regione_(regione) {}

void ModelloCandidati::ImpostaScelta(const SceltaResistenza& scelta, std::size_t quanti) {
    beginResetModel();
    righe_.clear();
    righe_.push_back(scelta.ottimo);
    const std::size_t mostrati = std::min(quanti, scelta.candidati.size());
    righe_.insert(righe_.end(), scelta.candidati.begin(),
                  scelta.candidati.begin() + static_cast<std::ptrdiff_t>(mostrati));
    righe_.push_back(scelta.vicino);
    endResetModel();
}

void ModelloCandidati::Svuota() {
    beginResetModel();
    righe_.clear();
    endResetModel();
}

int ModelloCandidati::RigaDi(double rSerie) const {
    for (std::size_t i = 1; i < righe_.size(); ++i) {
        if (righe_[i].rSerie == rSerie) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int ModelloCandidati::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(righe_.size());
}

int ModelloCandidati::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(INTESTAZIONI_CANDIDATI.size());
}

QString ModelloCandidati::Cella(int riga, int colonna) const {
    if (colonna == 0) {
        return riga == 0                ? tr("ottimo")
               : riga + 1 == rowCount() ? tr("vicino")
                                        : QString::number(riga);
    }
    const auto valori = ValoriCandidato(righe_.at(static_cast<std::size_t>(riga)));
    return TestoCifre(regione_, valori.at(static_cast<std::size_t>(colonna - 1)),
                      colonna == 1 ? CIFRE_RESISTENZA : CIFRE_FIGURE);
}

QVariant ModelloCandidati::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || (ruolo != Qt::DisplayRole && ruolo != Qt::AccessibleTextRole)) {
        return {};
    }
    return Cella(indice.row(), indice.column());
}

QVariant ModelloCandidati::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
    if (ruolo != Qt::DisplayRole || orientamento != Qt::Horizontal) {
        return {};
    }
    return tr(INTESTAZIONI_CANDIDATI.at(static_cast<std::size_t>(sezione)));
}

QString ModelloCandidati::TestoSeparatoDaTabulazioni() const {
    QString testo;
    const int colonne = columnCount();
    for (int c = 0; c < colonne; ++c) {
        testo += headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() +
                 (c + 1 < colonne ? u'\t' : u'\n');
    }
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < colonne; ++c) {
            testo += Cella(r, c) + (c + 1 < colonne ? u'\t' : u'\n');
        }
    }
    return testo;
}
