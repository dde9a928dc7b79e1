#include "curva/pannello_adattamento.h"

#include "curva/campi_regione.h"
#include "curva/descrizione_modello.h"
#include "curva/elenco_errori.h"
#include "curva/mnemonici.h"
#include "curva/tabella_punti.h"
#include "curva/testi_registro.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <variant>

namespace {

constexpr int RIGHE_VUOTE = 12;
// Steinhart–Hart: exact through the three points a datasheet usually gives.
constexpr std::size_t FORMA_INIZIALE = 1;
static_assert(std::is_same_v<std::variant_alternative_t<FORMA_INIZIALE, ParametriModello>,
                             ParametriSteinhartHart>);

const char* const ETICHETTA_FORMA = QT_TRANSLATE_NOOP("PannelloAdattamento", "Modello:");

} // namespace

PannelloAdattamento::PannelloAdattamento(const QLocale& regione, QWidget* genitore)
    : QWidget(genitore), regione_(regione), cmbForma_(new QComboBox(this)),
      lblForma_(new QLabel(tr(ETICHETTA_FORMA), this)),
      tblPunti_(new TabellaPunti(RIGHE_VUOTE, this)), lblLettura_(new QLabel(this)),
      btnAltraLettura_(new QPushButton(this)), lblRisultato_(new QLabel(this)),
      btnIncolla_(new QPushButton(tr("Incolla punti"), this)),
      btnAdatta_(new QPushButton(tr("Adatta"), this)),
      btnUsa_(new QPushButton(tr("Usa questo modello"), this)) {
    for (const TipoModello& tipo : TIPI_MODELLO) {
        cmbForma_->addItem(
            tr("%1 (%2 punti o più)").arg(TestoRegistro(tipo.titolo)).arg(tipo.puntiMinimi));
    }
    cmbForma_->setCurrentIndex(static_cast<int>(FORMA_INIZIALE));
    cmbForma_->setAccessibleName(tr("Modello da adattare"));
    lblForma_->setBuddy(cmbForma_);
    tblPunti_->setHorizontalHeaderLabels({tr("T (°C)"), tr("R (Ω)"), tr("Scarto (K)")});
    tblPunti_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblPunti_->setAccessibleName(tr("Punti da adattare"));
    // The menu's commands, at hand in the table too.
    tblPunti_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* rimuovi = new QAction(tr("Rimuovi le righe scelte"), tblPunti_);
    connect(rimuovi, &QAction::triggered, this, &PannelloAdattamento::RimuoviRighe);
    auto* svuota = new QAction(tr("Svuota i punti"), tblPunti_);
    connect(svuota, &QAction::triggered, this, &PannelloAdattamento::SvuotaPunti);
    tblPunti_->addActions({rimuovi, svuota});
    lblLettura_->setWordWrap(true);
    lblLettura_->setAccessibleName(tr("Lettura dei numeri incollati"));
    lblLettura_->hide();
    btnAltraLettura_->setAccessibleName(tr("Leggi i numeri incollati nell'altro modo"));
    btnAltraLettura_->hide();
    lblRisultato_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRisultato_->setWordWrap(true);
    lblRisultato_->setAccessibleName(tr("Risultato dell'adattamento"));
    btnUsa_->setEnabled(false);
    btnUsa_->setAccessibleName(tr("Usa questo modello"));

    // The buttons repeat the Adattamento menu's commands, whose keys they leave to it.
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(btnIncolla_);
    pulsanti->addWidget(btnAdatta_);
    pulsanti->addWidget(btnUsa_);
    pulsanti->addStretch();
    auto* lettura = new QHBoxLayout;
    lettura->addWidget(lblLettura_, 1);
    lettura->addWidget(btnAltraLettura_);
    auto* forma = new QFormLayout;
    forma->addRow(lblForma_, cmbForma_);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(forma);
    colonna->addWidget(tblPunti_, 1);
    colonna->addLayout(lettura);
    colonna->addLayout(pulsanti);
    colonna->addWidget(lblRisultato_);

    connect(btnIncolla_, &QPushButton::clicked, this, &PannelloAdattamento::Incolla);
    connect(btnAdatta_, &QPushButton::clicked, this, &PannelloAdattamento::Adatta);
    connect(btnUsa_, &QPushButton::clicked, this, &PannelloAdattamento::UsaModello);
    connect(btnAltraLettura_, &QPushButton::clicked, this,
            &PannelloAdattamento::IncollaConLAltraLettura);
    // Points typed by hand are no longer the last paste's.
    connect(tblPunti_, &TabellaPunti::cellChanged, this, [this] {
        lblLettura_->hide();
        btnAltraLettura_->hide();
    });
}

QStringList PannelloAdattamento::EtichetteMnemoniche() {
    return {tr(ETICHETTA_FORMA)};
}

void PannelloAdattamento::ImpostaMnemonici(const QString& riservati) {
    lblForma_->setText(AssegnaMnemonici(EtichetteMnemoniche(), riservati).constFirst());
}

std::vector<QWidget*> PannelloAdattamento::Controlli() const {
    return {cmbForma_, tblPunti_, btnAltraLettura_, btnIncolla_, btnAdatta_, btnUsa_};
}

void PannelloAdattamento::ImpostaForma(std::size_t tipo) {
    cmbForma_->setCurrentIndex(static_cast<int>(tipo));
}

void PannelloAdattamento::Dimentica() {
    risultato_.reset();
    MostraScarti();
    btnUsa_->setEnabled(false);
    lblRisultato_->clear();
}

void PannelloAdattamento::ImpostaPunti(const std::vector<PuntoRT>& punti) {
    const QSignalBlocker blocco(tblPunti_);
    tblPunti_->Prepara(static_cast<int>(punti.size()) + RIGHE_VUOTE);
    for (size_t i = 0; i < punti.size(); ++i) {
        const int riga = static_cast<int>(i);
        tblPunti_->setItem(riga, 0,
                           new QTableWidgetItem(TestoCampo(regione_, punti[i].temperatura)));
        tblPunti_->setItem(riga, 1,
                           new QTableWidgetItem(TestoCampo(regione_, punti[i].resistenza)));
    }
    lblLettura_->hide();
    btnAltraLettura_->hide();
    Dimentica();
}

QString PannelloAdattamento::IncollaTesto(const QString& testo) {
    incollato_ = testo;
    LeggiIncollato(std::nullopt);
    return lblRisultato_->text();
}

void PannelloAdattamento::LeggiIncollato(std::optional<SeparatoreDecimale> separatore) {
    const PuntiIncollati letti = LeggiPuntiIncollati(incollato_, regione_, separatore);
    ImpostaPunti(letti.punti);
    separatore_ = letti.separatore;
    lblRisultato_->setText(ElencoErrori(letti.errori, letti.errori.size()));
    if (letti.ambiguo.isEmpty()) {
        return;
    }
    // Say how an ambiguous text was read, with its value in the region's format, and
    // offer the other reading.
    const auto valore =
        LeggiPuntiIncollati(QStringLiteral("0\t") + letti.ambiguo, regione_, letti.separatore)
            .punti;
    const QString letto =
        valore.empty() ? letti.ambiguo : TestoCampo(regione_, valore.front().resistenza);
    const bool virgola = letti.separatore == SeparatoreDecimale::Virgola;
    lblLettura_->setText(virgola ? tr("«%1» è stato letto come %2: la virgola separa i decimali, "
                                      "il punto le migliaia.")
                                       .arg(letti.ambiguo, letto)
                                 : tr("«%1» è stato letto come %2: il punto separa i decimali, "
                                      "la virgola le migliaia.")
                                       .arg(letti.ambiguo, letto));
    btnAltraLettura_->setText(virgola ? tr("Leggi il punto come decimale")
                                      : tr("Leggi la virgola come decimale"));
    lblLettura_->show();
    btnAltraLettura_->show();
}

QString PannelloAdattamento::LetturaIncollata() const {
    return lblLettura_->isHidden() ? QString() : lblLettura_->text();
}

void PannelloAdattamento::IncollaConLAltraLettura() {
    LeggiIncollato(separatore_ == SeparatoreDecimale::Virgola ? SeparatoreDecimale::Punto
                                                              : SeparatoreDecimale::Virgola);
}

void PannelloAdattamento::Incolla() {
    IncollaTesto(QApplication::clipboard()->text());
}

void PannelloAdattamento::RimuoviRighe() {
    tblPunti_->RimuoviRigheScelte();
    Dimentica();
}

void PannelloAdattamento::SvuotaPunti() {
    const QSignalBlocker blocco(tblPunti_);
    tblPunti_->Svuota();
    lblLettura_->hide();
    btnAltraLettura_->hide();
    Dimentica();
}

std::vector<PuntoRT> PannelloAdattamento::Punti(QString& errore) const {
    std::vector<PuntoRT> punti;
    for (int riga = 0; riga < tblPunti_->rowCount(); ++riga) {
        const QString t = tblPunti_->Testo(riga, 0);
        const QString r = tblPunti_->Testo(riga, 1);
        if (t.isEmpty() && r.isEmpty()) {
            continue;
        }
        const auto temperatura = LeggiCampo(regione_, t);
        const auto resistenza = LeggiCampo(regione_, r);
        if (!temperatura || !resistenza) {
            errore = tr("riga %1: non è una coppia °C, Ω").arg(riga + 1);
            return {};
        }
        punti.push_back({*temperatura, *resistenza});
    }
    return punti;
}

void PannelloAdattamento::Adatta() {
    Dimentica();
    QString errore;
    const std::vector<PuntoRT> punti = Punti(errore);
    if (errore.isEmpty()) {
        const auto esito =
            AdattaModello(static_cast<std::size_t>(cmbForma_->currentIndex()), punti, {});
        if (esito.Riuscito()) {
            risultato_ = esito.Valore();
        } else {
            errore = NumeriNellaRegione(regione_, QString::fromStdString(esito.Motivo()));
        }
    }
    MostraScarti();
    lblRisultato_->setText(risultato_ ? TestoRisultato() : errore);
    btnUsa_->setEnabled(risultato_.has_value());
    btnUsa_->setText(risultato_ && risultato_->betaEstremi ? tr("Usa la Beta proposta")
                                                           : tr("Usa questo modello"));
}

void PannelloAdattamento::MostraScarti() {
    const QSignalBlocker blocco(tblPunti_);
    size_t punto = 0;
    for (int riga = 0; riga < tblPunti_->rowCount(); ++riga) {
        const bool piena = !tblPunti_->Testo(riga, 0).isEmpty();
        QString scarto;
        if (risultato_ && piena && punto < risultato_->scarti.perPunto.size()) {
            scarto = TestoCampo(regione_, risultato_->scarti.perPunto[punto++]);
        }
        tblPunti_->ImpostaScarto(riga, scarto);
    }
}

QString PannelloAdattamento::TestoRisultato() const {
    if (!risultato_) {
        return {};
    }
    QString testo =
        DescrizioneModello(regione_, risultato_->parametri) +
        tr("\nScarto massimo: %1 K").arg(TestoCampo(regione_, risultato_->scarti.massimo));
    for (const std::string& avviso : risultato_->avvisi) {
        testo +=
            tr("\nAvviso: %1").arg(NumeriNellaRegione(regione_, QString::fromStdString(avviso)));
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
