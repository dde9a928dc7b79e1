#include "curva/pannello_adattamento.h"

#include "curva/campi_regione.h"
#include "curva/punti_incollati.h"
#include "curva/testi_registro.h"

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
// Steinhart–Hart: exact through the three points a datasheet usually gives.
constexpr std::size_t FORMA_INIZIALE = 1;
static_assert(std::is_same_v<std::variant_alternative_t<FORMA_INIZIALE, ParametriModello>,
                             ParametriSteinhartHart>);
constexpr int COLONNA_SCARTO = 2;

QString Coefficienti(const QLocale& regione, const ParametriModello& parametri) {
    const TipoModello& tipo = TipoDi(parametri);
    const std::vector<double> valori = ValoriCoefficienti(parametri);
    QStringList campi;
    for (size_t i = 0; i < valori.size(); ++i) {
        campi << QStringLiteral("%1 = %2").arg(QString::fromUtf8(tipo.coefficienti[i].chiave),
                                               TestoCampo(regione, valori[i]));
    }
    return TestoRegistro(tipo.titolo) + QStringLiteral(": ") + campi.join(QStringLiteral(", "));
}

} // namespace

PannelloAdattamento::PannelloAdattamento(const QLocale& regione, QWidget* genitore)
    : QWidget(genitore), regione_(regione), cmbForma_(new QComboBox(this)),
      tblPunti_(new QTableWidget(RIGHE_VUOTE, 3, this)), lblRisultato_(new QLabel(this)),
      btnUsa_(new QPushButton(tr("&Usa questo modello"), this)) {
    for (const TipoModello& tipo : TIPI_MODELLO) {
        cmbForma_->addItem(
            tr("%1 (%2 punti o più)").arg(TestoRegistro(tipo.titolo)).arg(tipo.puntiMinimi));
    }
    cmbForma_->setCurrentIndex(static_cast<int>(FORMA_INIZIALE));
    cmbForma_->setAccessibleName(tr("Modello da adattare"));
    tblPunti_->setHorizontalHeaderLabels({tr("T (°C)"), tr("R (Ω)"), tr("Scarto (K)")});
    tblPunti_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblPunti_->setAccessibleName(tr("Punti da adattare"));
    lblRisultato_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRisultato_->setWordWrap(true);
    lblRisultato_->setAccessibleName(tr("Risultato dell'adattamento"));
    btnUsa_->setEnabled(false);
    btnUsa_->setAccessibleName(tr("Usa questo modello"));

    auto* btnIncolla = new QPushButton(tr("&Incolla punti"), this);
    auto* btnAdatta = new QPushButton(tr("&Adatta"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(btnIncolla);
    pulsanti->addWidget(btnAdatta);
    pulsanti->addWidget(btnUsa_);
    pulsanti->addStretch();
    auto* forma = new QFormLayout;
    forma->addRow(tr("&Modello:"), cmbForma_);
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

void PannelloAdattamento::ImpostaForma(std::size_t tipo) {
    cmbForma_->setCurrentIndex(static_cast<int>(tipo));
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
            errore = tr("riga %1: non è una coppia °C, Ω").arg(riga + 1);
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
            AdattaModello(static_cast<std::size_t>(cmbForma_->currentIndex()), punti, {});
        if (esito.Riuscito()) {
            risultato_ = esito.Valore();
        } else {
            errore = QString::fromStdString(esito.Motivo());
        }
    }
    MostraScarti();
    lblRisultato_->setText(risultato_ ? TestoRisultato() : errore);
    btnUsa_->setEnabled(risultato_.has_value());
    btnUsa_->setText(risultato_ && risultato_->betaEstremi ? tr("&Usa la Beta proposta")
                                                           : tr("&Usa questo modello"));
}

void PannelloAdattamento::MostraScarti() {
    const QSignalBlocker blocco(tblPunti_);
    size_t punto = 0;
    for (int riga = 0; riga < tblPunti_->rowCount(); ++riga) {
        const QTableWidgetItem* cella = tblPunti_->item(riga, 0);
        const bool piena = cella != nullptr && !cella->text().trimmed().isEmpty();
        QString scarto;
        if (risultato_ && piena && punto < risultato_->scarti.perPunto.size()) {
            scarto = TestoCampo(regione_, risultato_->scarti.perPunto[punto++]);
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
    QString testo =
        Coefficienti(regione_, risultato_->parametri) +
        tr("\nScarto massimo: %1 K").arg(TestoCampo(regione_, risultato_->scarti.massimo));
    for (const std::string& avviso : risultato_->avvisi) {
        testo += tr("\nAvviso: %1").arg(QString::fromStdString(avviso));
    }
    return testo;
}

void PannelloAdattamento::UsaModello() {
    if (!risultato_) {
        return;
    }
    emit ModelloScelto(risultato_->betaEstremi ? ParametriModello(*risultato_->betaEstremi)
                                               : risultato_->parametri);
}
