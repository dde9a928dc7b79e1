#include "curva/finestra_curva.h"

#include "curva/campi_regione.h"
#include "curva/grafico_curva.h"
#include "curva/mnemonici.h"
#include "curva/modello_righe.h"
#include "curva/pannello_adattamento.h"
#include "curva/testi_registro.h"
#include "curva/vista_progetto.h"

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
    {QT_TRANSLATE_NOOP("FinestraCurva", "Da (°C):"),
     QT_TRANSLATE_NOOP("FinestraCurva", "Temperatura iniziale"), "-40"},
    {QT_TRANSLATE_NOOP("FinestraCurva", "Fino a (°C):"),
     QT_TRANSLATE_NOOP("FinestraCurva", "Temperatura finale"), "125"},
    {QT_TRANSLATE_NOOP("FinestraCurva", "Passo (K):"), QT_TRANSLATE_NOOP("FinestraCurva", "Passo"),
     "1"},
    {QT_TRANSLATE_NOOP("FinestraCurva", "R serie (Ω):"),
     QT_TRANSLATE_NOOP("FinestraCurva", "Resistenza in serie del partitore"), ""},
    {QT_TRANSLATE_NOOP("FinestraCurva", "Vref (V):"),
     QT_TRANSLATE_NOOP("FinestraCurva", "Tensione di riferimento"), "3.3"},
    {QT_TRANSLATE_NOOP("FinestraCurva", "Bit ADC:"),
     QT_TRANSLATE_NOOP("FinestraCurva", "Bit del convertitore"), "12"},
    {QT_TRANSLATE_NOOP("FinestraCurva", "Tolleranza R25 (± %):"),
     QT_TRANSLATE_NOOP("FinestraCurva", "Tolleranza di R25 in percento"), "1"},
    {QT_TRANSLATE_NOOP("FinestraCurva", "Tolleranza B (± %):"),
     QT_TRANSLATE_NOOP("FinestraCurva", "Tolleranza di B in percento"), "1"},
}};

// The model the window opens with: a 10 kΩ, B 3950 K part, the commonest NTC.
const ParametriModello MODELLO_INIZIALE = ParametriBeta{10000, 3950, 25};

// The menus' mnemonics, which the fields must leave to them.
const QString MNEMONICI_MENU = QStringLiteral("ftav");

constexpr int LARGHEZZA_INIZIALE = 1100;
constexpr int ALTEZZA_INIZIALE = 700;

} // namespace

FinestraCurva::FinestraCurva(const QLocale& regione, QWidget* genitore)
    : QMainWindow(genitore), regione_(regione) {
    setWindowTitle(tr("Brevanto Curva"));
    const auto nuovoCampo = [this](const QString& nomeAccessibile) {
        auto* campo = new QLineEdit(this);
        campo->setAccessibleName(nomeAccessibile);
        connect(campo, &QLineEdit::textEdited, this, &FinestraCurva::Ricalcola);
        return campo;
    };
    for (size_t i = 0; i < CAMPI.size(); ++i) {
        txtCampi_[i] = nuovoCampo(tr(CAMPI[i].nomeAccessibile));
        const auto iniziale = LeggiCampo(QLocale::c(), QString::fromLatin1(CAMPI[i].iniziale));
        txtCampi_[i]->setText(iniziale ? TestoCampo(regione_, *iniziale) : QString());
    }
    for (size_t tipo = 0; tipo < NUMERO_TIPI; ++tipo) {
        for (const CoefficienteModello& coefficiente : TIPI_MODELLO[tipo].coefficienti) {
            txtCoefficienti_[tipo].push_back(nuovoCampo(TestoRegistro(coefficiente.descrizione)));
        }
    }
    const std::vector<double> iniziali = ValoriCoefficienti(MODELLO_INIZIALE);
    for (size_t i = 0; i < iniziali.size(); ++i) {
        Coefficiente(MODELLO_INIZIALE.index(), i)->setText(TestoCampo(regione_, iniziali[i]));
    }

    grfCurva_ = new GraficoCurva(regione_, this);
    grfCurva_->ImpostaAssi(tr("T (°C)"), tr("R (Ω)"), GraficoCurva::Scala::Logaritmica);
    grfCurva_->ImpostaLettura([this](double t) { return LetturaCurva(t); });
    grfCurva_->setAccessibleName(tr("Curva R–T"));
    grfErrore_ = new GraficoCurva(regione_, this);
    grfErrore_->ImpostaAssi(tr("T (°C)"), tr("Errore del modello rispetto alla tabella (K)"),
                            GraficoCurva::Scala::Lineare);
    grfErrore_->ImpostaLettura([this](double t) { return LetturaErrore(t); });
    grfErrore_->setAccessibleName(tr("Errore rispetto alla tabella del costruttore"));
    modRighe_ = new ModelloRighe(regione_, this);
    tblRighe_ = new QTableView(this);
    tblRighe_->setModel(modRighe_);
    tblRighe_->verticalHeader()->setDefaultSectionSize(tblRighe_->fontMetrics().height() + 6);
    tblRighe_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblRighe_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblRighe_->setAccessibleName(tr("Tabella R–T"));
    pnlAdattamento_ = new PannelloAdattamento(regione_, this);
    connect(pnlAdattamento_, &PannelloAdattamento::ModelloScelto, this,
            &FinestraCurva::MettiParametri);

    tabViste_ = new QTabWidget(this);
    tabViste_->addTab(grfCurva_, tr("Curva"));
    tabViste_->addTab(grfErrore_, tr("Errore"));
    tabViste_->addTab(tblRighe_, tr("Tabella"));
    tabViste_->addTab(pnlAdattamento_, tr("Adattamento"));
    tabViste_->setAccessibleName(tr("Viste"));

    auto* divisore = new QSplitter(this);
    auto* scorrimento = new QScrollArea(divisore);
    scorrimento->setWidget(CreaModulo());
    vstProgetto_ =
        new VistaProgetto(regione_,
                          {txtCampi_[CampoSerie], txtCampi_[CampoRiferimento], txtCampi_[CampoBit],
                           cmbVerso_, txtCampi_[CampoTolleranzaR25], txtCampi_[CampoTolleranzaB]},
                          this);
    connect(vstProgetto_, &VistaProgetto::Cambiata, this, &FinestraCurva::Ricalcola);
    tabViste_->addTab(vstProgetto_, tr("Progetto"));
    scorrimento->setWidgetResizable(true);
    divisore->addWidget(scorrimento);
    divisore->addWidget(tabViste_);
    divisore->setStretchFactor(1, 1);
    setCentralWidget(divisore);
    lblStato_ = new QLabel(this);
    lblStato_->setAccessibleName(tr("Stato"));
    statusBar()->addWidget(lblStato_, 1);
    CreaMenu();
    resize(LARGHEZZA_INIZIALE, ALTEZZA_INIZIALE);
    Ricalcola();
}

FinestraCurva::~FinestraCurva() = default;

QWidget* FinestraCurva::CreaModulo() {
    auto* modulo = new QWidget(this);
    auto* colonna = new QVBoxLayout(modulo);

    // The fields always shown take their mnemonics first; each kind's page then takes
    // from what is left, as only one page shows at a time.
    QStringList fisse;
    for (const DescrizioneCampo& campo : CAMPI) {
        fisse << tr(campo.etichetta);
    }
    fisse << tr("NTC:");
    fisse = AssegnaMnemonici(fisse, MNEMONICI_MENU);
    QString riservati = MNEMONICI_MENU;
    for (const QString& etichetta : fisse) {
        riservati += etichetta.at(etichetta.indexOf(u'&') + 1);
    }
    const auto gruppo = [&](const QString& titolo, int primo, int dopoUltimo) {
        auto* riquadro = new QGroupBox(titolo, modulo);
        auto* righe = new QFormLayout(riquadro);
        for (int i = primo; i < dopoUltimo; ++i) {
            righe->addRow(fisse.at(i), txtCampi_.at(static_cast<size_t>(i)));
        }
        return riquadro;
    };

    auto* riquadroModello = new QGroupBox(tr("Modello"), modulo);
    auto* righeModello = new QVBoxLayout(riquadroModello);
    cmbTipo_ = new QComboBox(riquadroModello);
    cmbTipo_->setAccessibleName(tr("Tipo di modello"));
    stkParametri_ = new QStackedWidget(riquadroModello);
    for (size_t tipo = 0; tipo < NUMERO_TIPI; ++tipo) {
        cmbTipo_->addItem(TestoRegistro(TIPI_MODELLO[tipo].titolo));
        QStringList etichette;
        for (const CoefficienteModello& coefficiente : TIPI_MODELLO[tipo].coefficienti) {
            etichette << TestoRegistro(coefficiente.etichetta) + u':';
        }
        etichette = AssegnaMnemonici(etichette, riservati);
        auto* pagina = new QWidget(stkParametri_);
        auto* righe = new QFormLayout(pagina);
        righe->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < etichette.size(); ++i) {
            righe->addRow(etichette.at(i), txtCoefficienti_[tipo].at(static_cast<size_t>(i)));
        }
        stkParametri_->addWidget(pagina);
    }
    cmbTipo_->addItem(tr("Tabella del costruttore"));
    lblTabella_ = new QLabel(tr("Nessuna tabella caricata (File ▸ Apri tabella)."), stkParametri_);
    lblTabella_->setWordWrap(true);
    stkParametri_->addWidget(lblTabella_);
    righeModello->addWidget(cmbTipo_);
    righeModello->addWidget(stkParametri_);
    connect(cmbTipo_, &QComboBox::currentIndexChanged, this, [this](int indice) {
        stkParametri_->setCurrentIndex(indice);
        Ricalcola();
    });

    auto* riquadroPartitore =
        gruppo(tr("Partitore (vuoto: nessuno)"), CampoSerie, CampoTolleranzaR25);
    cmbVerso_ = new QComboBox(riquadroPartitore);
    cmbVerso_->addItems({tr("verso massa"), tr("verso alimentazione")});
    cmbVerso_->setAccessibleName(tr("Posizione del termistore"));
    static_cast<QFormLayout*>(riquadroPartitore->layout())->addRow(fisse.constLast(), cmbVerso_);
    connect(cmbVerso_, &QComboBox::currentIndexChanged, this, &FinestraCurva::Ricalcola);

    colonna->addWidget(riquadroModello);
    colonna->addWidget(gruppo(tr("Intervallo"), CampoInizio, CampoSerie));
    colonna->addWidget(riquadroPartitore);
    colonna->addWidget(gruppo(tr("Tolleranza"), CampoTolleranzaR25, NumeroCampi));
    colonna->addStretch();
    return modulo;
}

void FinestraCurva::ScegliTipo(std::size_t tipo) {
    cmbTipo_->setCurrentIndex(static_cast<int>(tipo));
}

QString FinestraCurva::Stato() const {
    return lblStato_->text();
}

void FinestraCurva::MostraStato(const QString& testo) {
    lblStato_->setText(testo);
}
