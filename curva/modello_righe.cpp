#include "curva/modello_righe.h"

#include "calcoli/scrittura_testi.h"
#include "curva/campi_regione.h"

#include <array>

namespace {

const std::array<QString, 4> INTESTAZIONI_RIGHE{QStringLiteral("T (°C)"), QStringLiteral("R (Ω)"),
                                                QStringLiteral("α (%/K)"), QStringLiteral("ADC")};
// What the eye reads in the view; copies and exports keep every digit.
constexpr int CIFRE_VISTE = 6;

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

QString ModelloRighe::Cella(const RigaTabella& riga, int colonna, int cifre) const {
    const auto testo = [&](double valore) {
        return cifre > 0 ? TestoCifre(regione_, valore, cifre) : TestoCampo(regione_, valore);
    };
    switch (colonna) {
    case 0:
        return testo(riga.temperatura);
    case 1:
        return testo(riga.resistenza);
    case 2:
        return testo(riga.alfa * PERCENTO);
    default:
        return riga.conteggio ? QString::number(*riga.conteggio) : QString();
    }
}

QVariant ModelloRighe::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid()) {
        return {};
    }
    const RigaTabella& riga = righe_[static_cast<size_t>(indice.row())];
    switch (ruolo) {
    case Qt::DisplayRole:
        return Cella(riga, indice.column(), CIFRE_VISTE);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return Cella(riga, indice.column(), 0);
    case Qt::TextAlignmentRole:
        // Numbers line up on their last digit, as in a printed table.
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ModelloRighe::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
    if (ruolo != Qt::DisplayRole) {
        return {};
    }
    if (orientamento == Qt::Vertical) {
        return sezione + 1;
    }
    return INTESTAZIONI_RIGHE.at(static_cast<size_t>(sezione));
}

QString ModelloRighe::TestoSeparatoDaTabulazioni() const {
    QString testo;
    const int colonne = columnCount();
    for (int c = 0; c < colonne; ++c) {
        testo += INTESTAZIONI_RIGHE.at(static_cast<size_t>(c)) + (c + 1 < colonne ? u'\t' : u'\n');
    }
    for (const RigaTabella& riga : righe_) {
        for (int c = 0; c < colonne; ++c) {
            testo += Cella(riga, c, 0) + (c + 1 < colonne ? u'\t' : u'\n');
        }
    }
    return testo;
}
