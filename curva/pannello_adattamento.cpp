#include "curva/pannello_adattamento.h"

#include "curva/campi_regione.h"
#include "curva/punti_incollati.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <variant>

namespace {

constexpr int RIGHE_VUOTE = 12;
constexpr int COLONNA_SCARTO = 2;

QString Coefficienti(const QLocale& regione, const ModelloAdattato& modello) {
    const auto campo = [&](const char* nome, double valore) {
        return QStringLiteral("%1 = %2").arg(QLatin1String(nome), TestoCampo(regione, valore));
    };
    if (const auto* beta = std::get_if<ParametriBeta>(&modello.parametri)) {
        return QStringLiteral("Beta: ") + campo("R0", beta->R0) + QStringLiteral(" Ω, ") +
               campo("B", beta->B) + QStringLiteral(" K, ") + campo("T0", beta->T0) +
               QStringLiteral(" °C");
    }
    if (const auto* sh = std::get_if<ParametriSteinhartHart>(&modello.parametri)) {
        return QStringLiteral("Steinhart–Hart: ") + campo("A", sh->A) + QStringLiteral(", ") +
               campo("B", sh->B) + QStringLiteral(", ") + campo("C", sh->C);
    }
    const auto& esteso = std::get<ParametriEsteso>(modello.parametri);
    return QStringLiteral("Esteso: ") + campo("A1", esteso.A1) + QStringLiteral(", ") +
           campo("B1", esteso.B1) + QStringLiteral(", ") + campo("C1", esteso.C1) +
           QStringLiteral(", ") + campo("D1", esteso.D1) + QStringLiteral(", ") +
           campo("Rrif", esteso.Rrif) + QStringLiteral(" Ω");
}

} // namespace

PannelloAdattamento::PannelloAdattamento(const QLocale& regione, QWidget* genitore)
    : QWidget(genitore), regione_(regione), cmbForma_(new QComboBox(this)),
      tblPunti_(new QTableWidget(RIGHE_VUOTE, 3, this)), lblRisultato_(new QLabel(this)),
      btnUsa_(new QPushButton(QStringLiteral("&Usa questo modello"), this)) {
    cmbForma_->addItems({QStringLiteral("Beta (2 punti o più)"),
                         QStringLiteral("Steinhart–Hart (3 punti o più)"),
                         QStringLiteral("Esteso (4 punti o più)")});
    cmbForma_->setCurrentIndex(1);
    cmbForma_->setAccessibleName(QStringLiteral("Modello da adattare"));
    tblPunti_->setHorizontalHeaderLabels(
        {QStringLiteral("T (°C)"), QStringLiteral("R (Ω)"), QStringLiteral("Scarto (K)")});
    tblPunti_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblPunti_->setAccessibleName(QStringLiteral("Punti da adattare"));
    lblRisultato_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRisultato_->setWordWrap(true);
    lblRisultato_->setAccessibleName(QStringLiteral("Risultato dell'adattamento"));
    btnUsa_->setEnabled(false);
    btnUsa_->setAccessibleName(QStringLiteral("Usa questo modello"));

    auto* btnIncolla = new QPushButton(QStringLiteral("&Incolla punti"), this);
    auto* btnAdatta = new QPushButton(QStringLiteral("&Adatta"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(btnIncolla);
    pulsanti->addWidget(btnAdatta);
    pulsanti->addWidget(btnUsa_);
    pulsanti->addStretch();
    auto* forma = new QFormLayout;
    forma->addRow(QStringLiteral("&Modello:"), cmbForma_);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(forma);
    colonna->addWidget(tblPunti_, 1);
    colonna->addLayout(pulsanti);
    colonna->addWidget(lblRisultato_);

    connect(btnIncolla, &QPushButton::clicked, this, &PannelloAdattamento::Incolla);
    connect(btnAdatta, &QPushButton::clicked, this, &PannelloAdattamento::Adatta);
    connect(btnUsa_, &QPushButton::clicked, this, &PannelloAdattamento::UsaModello);
    // Typing into the last row opens another, so any number of points can be typed.
    connect(tblPunti_, &QTableWidget::cellChanged, this, [this](int riga, int /*colonna*/) {
        if (riga == tblPunti_->rowCount() - 1) {
            tblPunti_->insertRow(tblPunti_->rowCount());
        }
    });
}

void PannelloAdattamento::ImpostaForma(FormaAdattamento forma) {
    cmbForma_->setCurrentIndex(static_cast<int>(forma));
}

void PannelloAdattamento::ImpostaPunti(const std::vector<PuntoRT>& punti) {
    const QSignalBlocker blocco(tblPunti_);
    tblPunti_->clearContents();
    tblPunti_->setRowCount(static_cast<int>(punti.size()) + RIGHE_VUOTE);
    for (size_t i = 0; i < punti.size(); ++i) {
        const int riga = static_cast<int>(i);
        tblPunti_->setItem(riga, 0,
                           new QTableWidgetItem(TestoCampo(regione_, punti[i].temperatura)));
        tblPunti_->setItem(riga, 1,
                           new QTableWidgetItem(TestoCampo(regione_, punti[i].resistenza)));
    }
    risultato_.reset();
    btnUsa_->setEnabled(false);
    lblRisultato_->clear();
}

QString PannelloAdattamento::IncollaTesto(const QString& testo) {
    const PuntiIncollati letti = LeggiPuntiIncollati(testo, regione_);
    ImpostaPunti(letti.punti);
    QString errori = letti.errori.join(u'\n');
    lblRisultato_->setText(errori);
    return errori;
}

void PannelloAdattamento::Incolla() {
    IncollaTesto(QApplication::clipboard()->text());
}

std::vector<PuntoRT> PannelloAdattamento::Punti(QString& errore) const {
    std::vector<PuntoRT> punti;
    for (int riga = 0; riga < tblPunti_->rowCount(); ++riga) {
        const auto testo = [&](int colonna) {
            const QTableWidgetItem* cella = tblPunti_->item(riga, colonna);
            return cella ? cella->text().trimmed() : QString();
        };
        if (testo(0).isEmpty() && testo(1).isEmpty()) {
            continue;
        }
        const auto t = LeggiCampo(regione_, testo(0));
        const auto r = LeggiCampo(regione_, testo(1));
        if (!t || !r) {
            errore = QStringLiteral("riga %1: non è una coppia °C, Ω").arg(riga + 1);
            return {};
        }
        punti.push_back({*t, *r});
    }
    return punti;
}

void PannelloAdattamento::Adatta() {
    risultato_.reset();
    btnUsa_->setEnabled(false);
    QString errore;
    const std::vector<PuntoRT> punti = Punti(errore);
    if (errore.isEmpty()) {
        const auto esito =
            AdattaPunti(static_cast<FormaAdattamento>(cmbForma_->currentIndex()), punti);
        if (esito.Riuscito()) {
            risultato_ = esito.Valore();
        } else {
            errore = QString::fromStdString(esito.Motivo());
        }
    }
    MostraScarti();
    lblRisultato_->setText(risultato_ ? TestoRisultato() : errore);
    btnUsa_->setEnabled(risultato_.has_value());
    btnUsa_->setText(risultato_ && risultato_->betaEstremi ? QStringLiteral("&Usa la Beta proposta")
                                                           : QStringLiteral("&Usa questo modello"));
}

void PannelloAdattamento::MostraScarti() {
    const QSignalBlocker blocco(tblPunti_);
    size_t punto = 0;
    for (int riga = 0; riga < tblPunti_->rowCount(); ++riga) {
        const QTableWidgetItem* cella = tblPunti_->item(riga, 0);
        const bool piena = cella != nullptr && !cella->text().trimmed().isEmpty();
        QString scarto;
        if (risultato_ && piena && punto < risultato_->residui.size()) {
            scarto = TestoCampo(regione_, risultato_->residui[punto++]);
        }
        auto* elemento = new QTableWidgetItem(scarto);
        elemento->setFlags(elemento->flags() & ~Qt::ItemIsEditable);
        tblPunti_->setItem(riga, COLONNA_SCARTO, elemento);
    }
}

QString PannelloAdattamento::TestoRisultato() const {
    if (!risultato_) {
        return {};
    }
    QString testo = Coefficienti(regione_, *risultato_) + QStringLiteral("\nScarto massimo: ") +
                    TestoCampo(regione_, risultato_->residuoMassimo) + QStringLiteral(" K");
    for (const std::string& avviso : risultato_->avvisi) {
        testo += QStringLiteral("\nAvviso: ") + QString::fromStdString(avviso);
    }
    return testo;
}

void PannelloAdattamento::UsaModello() {
    if (!risultato_) {
        return;
    }
    ModelloAdattato scelto = *risultato_;
    if (scelto.betaEstremi) {
        scelto.parametri = *scelto.betaEstremi;
    }
    emit ModelloScelto(scelto);
}
