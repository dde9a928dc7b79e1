#include "curva/finestra_curva.h"

#include "curva/campi_regione.h"
#include "curva/curve_confronto.h"
#include "curva/mnemonici.h"
#include "curva/modello_righe.h"
#include "curva/pannello_adattamento.h"
#include "curva/precedenza_menu.h"
#include "curva/testi_registro.h"
#include "curva/vista_progetto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
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

// The size it first opens at, where the screen has room, and the room left around the
// window for the window manager's frame and title.
constexpr QSize DIMENSIONE_INIZIALE(1100, 700);
constexpr QSize CORNICE(16, 48);
const QString ORGANIZZAZIONE = QStringLiteral("Brevanto");
const QString PROGRAMMA = QStringLiteral("Brevanto Curva");
const QString CHIAVE_DIMENSIONE = QStringLiteral("finestra/dimensione");

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

    pnlAdattamento_ = new PannelloAdattamento(regione_, this);
    connect(pnlAdattamento_, &PannelloAdattamento::ModelloScelto, this,
            &FinestraCurva::MettiParametri);

    auto* divisore = new QSplitter(this);
    auto* scorrimento = new QScrollArea(divisore);
    scorrimento->setFocusPolicy(Qt::NoFocus);
    scorrimento->setWidget(CreaModulo());
    vstProgetto_ =
        new VistaProgetto(regione_,
                          {txtCampi_[CampoSerie], txtCampi_[CampoRiferimento], txtCampi_[CampoBit],
                           cmbVerso_, txtCampi_[CampoTolleranzaR25], txtCampi_[CampoTolleranzaB]},
                          this);
    connect(vstProgetto_, &VistaProgetto::Cambiata, this, &FinestraCurva::Ricalcola);
    scorrimento->setWidgetResizable(true);
    // Wide enough for the form, so that only a short screen scrolls it, and only upwards.
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrimento->setMinimumWidth(scorrimento->widget()->sizeHint().width() +
                                 scorrimento->verticalScrollBar()->sizeHint().width());
    divisore->addWidget(scorrimento);
    divisore->addWidget(CreaViste());
    // The design view's fields and plots would widen the window past a small screen: it
    // scrolls instead.
    auto* scorrimentoProgetto = new QScrollArea(tabViste_);
    scorrimentoProgetto->setFocusPolicy(Qt::NoFocus);
    scorrimentoProgetto->setWidget(vstProgetto_);
    scorrimentoProgetto->setWidgetResizable(true);
    tabViste_->addTab(scorrimentoProgetto, tr("Progetto"));
    divisore->setStretchFactor(1, 1);
    setCentralWidget(divisore);
    lblStato_ = new QLabel(this);
    lblStato_->setAccessibleName(tr("Stato"));
    statusBar()->addWidget(lblStato_, 1);
    CreaMenu();
    OrdinaTab();
    qApp->installEventFilter(new PrecedenzaMenu(this));
    ImpostaDimensione();
    Ricalcola();
}

FinestraCurva::~FinestraCurva() = default;

QWidget* FinestraCurva::CreaModulo() {
    auto* modulo = new QWidget(this);
    auto* colonna = new QVBoxLayout(modulo);

    // The labels always shown take their mnemonics first, leaving where they can the keys
    // that each kind's page will need; each page then takes from what is left, as only
    // one page shows at a time.
    QStringList etichettePagine;
    std::array<QStringList, NUMERO_TIPI> pagine;
    for (size_t tipo = 0; tipo < NUMERO_TIPI; ++tipo) {
        for (const CoefficienteModello& coefficiente : TIPI_MODELLO[tipo].coefficienti) {
            pagine[tipo] << TestoRegistro(coefficiente.etichetta) + u':';
        }
        etichettePagine << pagine[tipo];
    }
    QStringList fisse{tr("Tipo:")};
    for (const DescrizioneCampo& campo : CAMPI) {
        fisse << tr(campo.etichetta);
    }
    fisse << tr("NTC:") << tr("Cursore a (°C):");
    const QString contesi =
        CandidatiMnemonico(etichettePagine.join(QString())) +
        CandidatiMnemonico(PannelloAdattamento::EtichetteMnemoniche().join(QString()));
    fisse = AssegnaMnemonici(fisse, MNEMONICI_MENU, contesi);
    QString riservati = MNEMONICI_MENU;
    for (const QString& etichetta : fisse) {
        riservati += Mnemonico(etichetta);
    }
    const auto etichettaCampo = [&](int campo) { return fisse.at(campo + 1); };
    const auto gruppo = [&](const QString& titolo, int primo, int dopoUltimo) {
        auto* riquadro = new QGroupBox(titolo, modulo);
        auto* righe = new QFormLayout(riquadro);
        for (int i = primo; i < dopoUltimo; ++i) {
            righe->addRow(etichettaCampo(i), txtCampi_.at(static_cast<size_t>(i)));
        }
        return riquadro;
    };

    auto* riquadroModello = new QGroupBox(tr("Modello"), modulo);
    auto* righeModello = new QVBoxLayout(riquadroModello);
    cmbTipo_ = new QComboBox(riquadroModello);
    cmbTipo_->setAccessibleName(tr("Tipo di modello"));
    stkParametri_ = new QStackedWidget(riquadroModello);
    QString usatiDallePagine;
    for (size_t tipo = 0; tipo < NUMERO_TIPI; ++tipo) {
        cmbTipo_->addItem(TestoRegistro(TIPI_MODELLO[tipo].titolo));
        const QStringList etichette = AssegnaMnemonici(pagine[tipo], riservati);
        auto* pagina = new QWidget(stkParametri_);
        auto* righe = new QFormLayout(pagina);
        righe->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < etichette.size(); ++i) {
            righe->addRow(etichette.at(i), txtCoefficienti_[tipo].at(static_cast<size_t>(i)));
            usatiDallePagine += Mnemonico(etichette.at(i));
        }
        stkParametri_->addWidget(pagina);
    }
    cmbTipo_->addItem(tr("Tabella del costruttore"));
    lblTabella_ = new QLabel(tr("Nessuna tabella caricata (File ▸ Apri tabella)."), stkParametri_);
    lblTabella_->setWordWrap(true);
    stkParametri_->addWidget(lblTabella_);
    auto* rigaTipo = new QFormLayout;
    rigaTipo->setContentsMargins(0, 0, 0, 0);
    rigaTipo->addRow(fisse.front(), cmbTipo_);
    righeModello->addLayout(rigaTipo);
    righeModello->addWidget(stkParametri_);
    connect(cmbTipo_, &QComboBox::currentIndexChanged, this, [this](int indice) {
        stkParametri_->setCurrentIndex(indice);
        Ricalcola();
    });
    // The fit panel shows beside any page.
    pnlAdattamento_->ImpostaMnemonici(riservati + usatiDallePagine);

    auto* riquadroPartitore =
        gruppo(tr("Partitore (vuoto: nessuno)"), CampoSerie, CampoTolleranzaR25);
    cmbVerso_ = new QComboBox(riquadroPartitore);
    cmbVerso_->addItems({tr("verso massa"), tr("verso alimentazione")});
    cmbVerso_->setAccessibleName(tr("Posizione del termistore"));
    static_cast<QFormLayout*>(riquadroPartitore->layout())
        ->addRow(fisse.at(NumeroCampi + 1), cmbVerso_);
    connect(cmbVerso_, &QComboBox::currentIndexChanged, this, &FinestraCurva::Ricalcola);

    pnlConfronto_ = new PannelloConfronto(modulo);
    connect(pnlConfronto_, &PannelloConfronto::Cambiate, this, &FinestraCurva::Ricalcola);
    connect(pnlConfronto_, &PannelloConfronto::AggiuntaModelloChiesta, this,
            &FinestraCurva::ChiediAggiungiModello);
    connect(pnlConfronto_, &PannelloConfronto::AggiuntaTabellaChiesta, this,
            &FinestraCurva::ChiediAggiungiTabella);

    txtCursore_ = new QLineEdit(this);
    txtCursore_->setAccessibleName(tr("Temperatura del cursore"));
    txtCursore_->setToolTip(tr("Scrivi una temperatura e premi Invio: il cursore va lì (Ctrl+G)"));
    connect(txtCursore_, &QLineEdit::returnPressed, this, &FinestraCurva::VaiATemperatura);
    etichettaCursore_ = fisse.back();

    colonna->addWidget(riquadroModello);
    colonna->addWidget(gruppo(tr("Intervallo"), CampoInizio, CampoSerie));
    colonna->addWidget(riquadroPartitore);
    colonna->addWidget(gruppo(tr("Tolleranza"), CampoTolleranzaR25, NumeroCampi));
    colonna->addWidget(pnlConfronto_);
    colonna->addStretch();
    return modulo;
}

QWidget* FinestraCurva::CreaViste() {
    grfCurva_ = new GraficoCurva(regione_, this);
    grfCurva_->ImpostaAssi(tr("T (°C)"), tr("R (Ω)"), GraficoCurva::Scala::LogaritmicaOhm);
    grfCurva_->ImpostaLettura([this](double t) { return LetturaCurva(t); });
    grfCurva_->setAccessibleName(tr("Curva R–T"));
    grfErrore_ = new GraficoCurva(regione_, this);
    grfErrore_->ImpostaAssi(tr("T (°C)"), tr("Errore del modello rispetto alla tabella (K)"),
                            GraficoCurva::Scala::Lineare);
    grfErrore_->ImpostaLettura([this](double t) { return LetturaErrore(t); });
    grfErrore_->setAccessibleName(tr("Errore rispetto alla tabella del costruttore"));

    pagPartitore_ = new QWidget(this);
    grfTensione_ = new GraficoCurva(regione_, pagPartitore_);
    grfTensione_->ImpostaLettura([this](double t) { return LetturaTensione(t); });
    grfTensione_->setAccessibleName(tr("Tensione e conteggi del partitore"));
    grfRisoluzione_ = new GraficoCurva(regione_, pagPartitore_);
    grfRisoluzione_->ImpostaAssi(tr("T (°C)"), tr("Risoluzione (K/conteggio)"),
                                 GraficoCurva::Scala::Logaritmica);
    grfRisoluzione_->ImpostaLettura([this](double t) { return LetturaRisoluzione(t); });
    grfRisoluzione_->setAccessibleName(tr("Risoluzione del partitore"));
    auto* colonnaPartitore = new QVBoxLayout(pagPartitore_);
    colonnaPartitore->setContentsMargins(0, 0, 0, 0);
    colonnaPartitore->addWidget(grfTensione_);
    colonnaPartitore->addWidget(grfRisoluzione_);

    modRighe_ = new ModelloRighe(regione_, this);
    tblRighe_ = new QTableView(this);
    tblRighe_->setModel(modRighe_);
    tblRighe_->verticalHeader()->setDefaultSectionSize(tblRighe_->fontMetrics().height() + 6);
    tblRighe_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblRighe_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblRighe_->setAccessibleName(tr("Tabella R–T"));

    tabViste_ = new QTabWidget(this);
    tabViste_->addTab(grfCurva_, tr("Curva"));
    tabViste_->addTab(grfErrore_, tr("Errore"));
    tabViste_->addTab(tblRighe_, tr("Tabella"));
    tabViste_->addTab(pnlAdattamento_, tr("Adattamento"));
    tabViste_->addTab(pagPartitore_, tr("Partitore"));
    tabViste_->setAccessibleName(tr("Viste"));
    // Tab reaches the views through their tab bar; the widget around them is no stop of
    // its own (it would hand the keyboard back to the bar after the last view).
    tabViste_->setFocusPolicy(Qt::NoFocus);
    tabViste_->setFocusProxy(nullptr);
    tabViste_->tabBar()->setFocusPolicy(Qt::TabFocus);
    tabViste_->tabBar()->setAccessibleName(tr("Schede delle viste"));
    // Each view reads the cursor where the last one left it.
    for (GraficoCurva* grafico : {grfCurva_, grfErrore_, grfTensione_, grfRisoluzione_}) {
        connect(grafico, &GraficoCurva::CursoreMosso, this, &FinestraCurva::SeguiCursore);
    }

    auto* viste = new QWidget(this);
    auto* rigaCursore = new QHBoxLayout;
    auto* lblCursore = new QLabel(etichettaCursore_, viste);
    lblCursore->setBuddy(txtCursore_);
    txtCursore_->setMaximumWidth(txtCursore_->fontMetrics().horizontalAdvance(u'0') * 12);
    rigaCursore->addWidget(lblCursore);
    rigaCursore->addWidget(txtCursore_);
    rigaCursore->addStretch();
    auto* colonna = new QVBoxLayout(viste);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addLayout(rigaCursore);
    colonna->addWidget(tabViste_, 1);
    return viste;
}

void FinestraCurva::OrdinaTab() {
    // Group by group, top to bottom, then the cursor's field and the views.
    std::vector<QWidget*> catena{cmbTipo_};
    for (const auto& coefficienti : txtCoefficienti_) {
        catena.insert(catena.end(), coefficienti.begin(), coefficienti.end());
    }
    for (int campo = CampoInizio; campo < CampoTolleranzaR25; ++campo) {
        catena.push_back(txtCampi_.at(static_cast<size_t>(campo)));
    }
    catena.push_back(cmbVerso_);
    catena.push_back(txtCampi_[CampoTolleranzaR25]);
    catena.push_back(txtCampi_[CampoTolleranzaB]);
    catena.push_back(pnlConfronto_->Elenco());
    for (QAbstractButton* pulsante : pnlConfronto_->findChildren<QAbstractButton*>()) {
        catena.push_back(pulsante);
    }
    catena.push_back(txtCursore_);
    // The tab bar's scroll arrows are for the mouse: the keyboard moves between tabs with
    // the arrow keys.
    for (QToolButton* freccia : tabViste_->tabBar()->findChildren<QToolButton*>()) {
        freccia->setFocusPolicy(Qt::NoFocus);
    }
    catena.push_back(tabViste_->tabBar());
    catena.push_back(grfCurva_);
    catena.push_back(grfErrore_);
    catena.push_back(tblRighe_);
    for (QWidget* controllo : pnlAdattamento_->Controlli()) {
        catena.push_back(controllo);
    }
    catena.push_back(grfTensione_);
    catena.push_back(grfRisoluzione_);
    for (size_t i = 0; i + 1 < catena.size(); ++i) {
        setTabOrder(catena[i], catena[i + 1]);
    }
}

void FinestraCurva::ImpostaDimensione() {
    // The last size, or the first one, within the screen with room for the frame: a
    // small screen still shows the axes, the status bar and the right edge.
    const QSettings impostazioni(ORGANIZZAZIONE, PROGRAMMA);
    QSize voluta = impostazioni.value(CHIAVE_DIMENSIONE).toSize();
    if (!voluta.isValid()) {
        voluta = DIMENSIONE_INIZIALE;
    }
    const QRect schermo = screen()->availableGeometry();
    resize(voluta.boundedTo(schermo.size() - CORNICE).expandedTo(minimumSizeHint()));
}

void FinestraCurva::closeEvent(QCloseEvent* evento) {
    QSettings impostazioni(ORGANIZZAZIONE, PROGRAMMA);
    impostazioni.setValue(CHIAVE_DIMENSIONE, isMaximized() ? normalGeometry().size() : size());
    QMainWindow::closeEvent(evento);
}

QString FinestraCurva::NomeCampo(Campo campo) const {
    QString nome = tr(CAMPI.at(campo).etichetta);
    nome.chop(1); // the colon
    return nome;
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

void FinestraCurva::MostraVista(QWidget* vista) {
    // A view may sit inside its tab's page: the divider's plots, the scrolled design view.
    for (int i = 0; i < tabViste_->count(); ++i) {
        QWidget* pagina = tabViste_->widget(i);
        if (pagina == vista || pagina->isAncestorOf(vista)) {
            tabViste_->setCurrentIndex(i);
            break;
        }
    }
    (vista == pagPartitore_ ? grfTensione_ : vista)->setFocus();
}
