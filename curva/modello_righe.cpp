#include "curva/modello_righe.h"

#include "curva/campi_regione.h"

#include <array>

namespace {

const std::array<QString, 4> INTESTAZIONI{QStringLiteral("T (°C)"), QStringLiteral("R (Ω)"),
                                          QStringLiteral("α (%/K)"), QStringLiteral("ADC")};
constexpr double PERCENTO = 100;

} // namespace

ModelloRighe::ModelloRighe(const QLocale& regione, QObject* genitore)
    : QAbstractTableModel(genitore), regione_(regione) {}

void ModelloRighe::ImpostaRighe(std::vector<RigaTabella> righe) {
    beginResetModel();
    righe_ = std::move(righe);
    conAdc_ = !righe_.empty() && righe_.front().conteggio.has_value();
    endResetModel();
}

int ModelloRighe::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(righe_.size());
}

int ModelloRighe::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : (conAdc_ ? 4 : 3);
}

QString ModelloRighe::Cella(const RigaTabella& riga, int colonna) const {
    switch (colonna) {
    case 0:
        return TestoCampo(regione_, riga.temperatura);
    case 1:
        return TestoCampo(regione_, riga.resistenza);
    case 2:
        return TestoCampo(regione_, riga.alfa * PERCENTO);
    default:
        return riga.conteggio ? QString::number(*riga.conteggio) : QString();
    }
}

QVariant ModelloRighe::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || (ruolo != Qt::DisplayRole && ruolo != Qt::AccessibleTextRole)) {
        return {};
    }
    return Cella(righe_[static_cast<size_t>(indice.row())], indice.column());
}

QVariant ModelloRighe::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
    if (ruolo != Qt::DisplayRole) {
        return {};
    }
    if (orientamento == Qt::Vertical) {
        return sezione + 1;
    }
    return INTESTAZIONI.at(static_cast<size_t>(sezione));
}

QString ModelloRighe::TestoSeparatoDaTabulazioni() const {
    QString testo;
    const int colonne = columnCount();
    for (int c = 0; c < colonne; ++c) {
        testo += INTESTAZIONI.at(static_cast<size_t>(c)) + (c + 1 < colonne ? u'\t' : u'\n');
    }
    for (const RigaTabella& riga : righe_) {
        for (int c = 0; c < colonne; ++c) {
            testo += Cella(riga, c) + (c + 1 < colonne ? u'\t' : u'\n');
        }
    }
    return testo;
}
