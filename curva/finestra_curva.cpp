#include "curva/finestra_curva.h"

#include "curva/campi_regione.h"
#include "curva/grafico_curva.h"
#include "curva/modello_righe.h"
#include "curva/pannello_adattamento.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

struct DescrizioneCampo {
    const char* etichetta;
    const char* nomeAccessibile;
    const char* iniziale;
};

// Label, accessible name and first value of each field, in the order of FinestraCurva::Campo.
constexpr std::array<DescrizioneCampo, FinestraCurva::NumeroCampi> CAMPI{{
    {"R&0 (Ω):", "R0 in ohm", "10000"},
    {"&B (K):", "B in kelvin", "3950"},
    {"T&0 (°C):", "T0 in gradi Celsius", "25"},
    {"&A:", "Coefficiente A", ""},
    {"&B:", "Coefficiente B", ""},
    {"&C:", "Coefficiente C", ""},
    {"A&1:", "Coefficiente A1", ""},
    {"B&1:", "Coefficiente B1", ""},
    {"C&1:", "Coefficiente C1", ""},
    {"D&1:", "Coefficiente D1", ""},
    {"R&rif (Ω):", "Rrif in ohm", ""},
    {"&Da (°C):", "Temperatura iniziale", "-40"},
    {"&Fino a (°C):", "Temperatura finale", "125"},
    {"&Passo (K):", "Passo", "1"},
    {"R &serie (Ω):", "Resistenza in serie del partitore", ""},
    {"&Vref (V):", "Tensione di riferimento", "3.3"},
    {"B&it ADC:", "Bit del convertitore", "12"},
    {"Tolleranza R&25 (± %):", "Tolleranza di R25 in percento", "1"},
    {"Tolleranza B (± &%):", "Tolleranza di B in percento", "1"},
}};

constexpr int LARGHEZZA_INIZIALE = 1100;
constexpr int ALTEZZA_INIZIALE = 700;

} // namespace

FinestraCurva::FinestraCurva(const QLocale& regione, QWidget* genitore)
    : QMainWindow(genitore), regione_(regione) {
    setWindowTitle(QStringLiteral("Brevanto Curva"));
    for (size_t i = 0; i < CAMPI.size(); ++i) {
        auto* campo = new QLineEdit(this);
        campo->setAccessibleName(QString::fromUtf8(CAMPI[i].nomeAccessibile));
        const auto iniziale = LeggiCampo(QLocale::c(), QString::fromLatin1(CAMPI[i].iniziale));
        campo->setText(iniziale ? TestoCampo(regione_, *iniziale) : QString());
        txtCampi_[i] = campo;
        connect(campo, &QLineEdit::textEdited, this, &FinestraCurva::Ricalcola);
    }

    grfCurva_ = new GraficoCurva(regione_, this);
    grfCurva_->ImpostaAssi(QStringLiteral("T (°C)"), QStringLiteral("R (Ω)"),
                           GraficoCurva::Scala::Logaritmica);
    grfCurva_->ImpostaLettura([this](double t) { return LetturaCurva(t); });
    grfCurva_->setAccessibleName(QStringLiteral("Curva R–T"));
    grfErrore_ = new GraficoCurva(regione_, this);
    grfErrore_->ImpostaAssi(QStringLiteral("T (°C)"),
                            QStringLiteral("Errore del modello rispetto alla tabella (K)"),
                            GraficoCurva::Scala::Lineare);
    grfErrore_->ImpostaLettura([this](double t) { return LetturaErrore(t); });
    grfErrore_->setAccessibleName(QStringLiteral("Errore rispetto alla tabella del costruttore"));
    modRighe_ = new ModelloRighe(regione_, this);
    tblRighe_ = new QTableView(this);
    tblRighe_->setModel(modRighe_);
    tblRighe_->verticalHeader()->setDefaultSectionSize(tblRighe_->fontMetrics().height() + 6);
    tblRighe_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblRighe_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblRighe_->setAccessibleName(QStringLiteral("Tabella R–T"));
    pnlAdattamento_ = new PannelloAdattamento(regione_, this);
    connect(pnlAdattamento_, &PannelloAdattamento::ModelloScelto, this, &FinestraCurva::UsaModello);

    tabViste_ = new QTabWidget(this);
    tabViste_->addTab(grfCurva_, QStringLiteral("Curva"));
    tabViste_->addTab(grfErrore_, QStringLiteral("Errore"));
    tabViste_->addTab(tblRighe_, QStringLiteral("Tabella"));
    tabViste_->addTab(pnlAdattamento_, QStringLiteral("Adattamento"));
    tabViste_->setAccessibleName(QStringLiteral("Viste"));

    auto* divisore = new QSplitter(this);
    auto* scorrimento = new QScrollArea(divisore);
    scorrimento->setWidget(CreaModulo());
    scorrimento->setWidgetResizable(true);
    divisore->addWidget(scorrimento);
    divisore->addWidget(tabViste_);
    divisore->setStretchFactor(1, 1);
    setCentralWidget(divisore);
    lblStato_ = new QLabel(this);
    lblStato_->setAccessibleName(QStringLiteral("Stato"));
    statusBar()->addWidget(lblStato_, 1);
    CreaMenu();
    resize(LARGHEZZA_INIZIALE, ALTEZZA_INIZIALE);
    Ricalcola();
}

FinestraCurva::~FinestraCurva() = default;

QWidget* FinestraCurva::CreaModulo() {
    auto* modulo = new QWidget(this);
    auto* colonna = new QVBoxLayout(modulo);
    const auto gruppo = [&](const QString& titolo, int primo, int dopoUltimo) {
        auto* riquadro = new QGroupBox(titolo, modulo);
        auto* righe = new QFormLayout(riquadro);
        for (int i = primo; i < dopoUltimo; ++i) {
            righe->addRow(QString::fromUtf8(CAMPI[static_cast<size_t>(i)].etichetta),
                          txtCampi_[static_cast<size_t>(i)]);
        }
        return riquadro;
    };

    auto* riquadroModello = new QGroupBox(QStringLiteral("Modello"), modulo);
    auto* righeModello = new QVBoxLayout(riquadroModello);
    cmbTipo_ = new QComboBox(riquadroModello);
    cmbTipo_->addItems({QStringLiteral("Beta"), QStringLiteral("Steinhart–Hart"),
                        QStringLiteral("Esteso (A1…D1)"),
                        QStringLiteral("Tabella del costruttore")});
    cmbTipo_->setAccessibleName(QStringLiteral("Tipo di modello"));
    stkParametri_ = new QStackedWidget(riquadroModello);
    const std::array<std::pair<int, int>, 3> pagine{
        {{CampoR0, CampoA}, {CampoA, CampoA1}, {CampoA1, CampoInizio}}};
    for (const auto& [primo, dopoUltimo] : pagine) {
        auto* pagina = new QWidget(stkParametri_);
        auto* righe = new QFormLayout(pagina);
        righe->setContentsMargins(0, 0, 0, 0);
        for (int i = primo; i < dopoUltimo; ++i) {
            righe->addRow(QString::fromUtf8(CAMPI[static_cast<size_t>(i)].etichetta),
                          txtCampi_[static_cast<size_t>(i)]);
        }
        stkParametri_->addWidget(pagina);
    }
    lblTabella_ = new QLabel(QStringLiteral("Nessuna tabella caricata (File ▸ Apri tabella)."),
                             stkParametri_);
    lblTabella_->setWordWrap(true);
    stkParametri_->addWidget(lblTabella_);
    righeModello->addWidget(cmbTipo_);
    righeModello->addWidget(stkParametri_);
    connect(cmbTipo_, &QComboBox::currentIndexChanged, this, [this](int indice) {
        stkParametri_->setCurrentIndex(indice);
        Ricalcola();
    });

    auto* riquadroPartitore =
        gruppo(QStringLiteral("Partitore (vuoto: nessuno)"), CampoSerie, CampoTolleranzaR25);
    cmbVerso_ = new QComboBox(riquadroPartitore);
    cmbVerso_->addItems({QStringLiteral("verso massa"), QStringLiteral("verso alimentazione")});
    cmbVerso_->setAccessibleName(QStringLiteral("Posizione del termistore"));
    static_cast<QFormLayout*>(riquadroPartitore->layout())
        ->addRow(QStringLiteral("&NTC:"), cmbVerso_);
    connect(cmbVerso_, &QComboBox::currentIndexChanged, this, &FinestraCurva::Ricalcola);

    colonna->addWidget(riquadroModello);
    colonna->addWidget(gruppo(QStringLiteral("Intervallo"), CampoInizio, CampoSerie));
    colonna->addWidget(riquadroPartitore);
    colonna->addWidget(gruppo(QStringLiteral("Tolleranza"), CampoTolleranzaR25, NumeroCampi));
    colonna->addStretch();
    return modulo;
}

void FinestraCurva::ScegliTipo(TipoModello tipo) {
    cmbTipo_->setCurrentIndex(static_cast<int>(tipo));
}

QString FinestraCurva::Stato() const {
    return lblStato_->text();
}

void FinestraCurva::MostraStato(const QString& testo) {
    lblStato_->setText(testo);
}
