#include "curva/vista_progetto.h"

#include "calcoli/progetto_testi.h"
#include "curva/campi_regione.h"
#include "curva/grafico_progetto.h"
#include "curva/modello_candidati.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace {

struct DescrizioneCampoProgetto {
    const char* etichetta;
    const char* nomeAccessibile;
    const char* iniziale;
    const char* vuoto; // what an empty field means
};

constexpr std::array<DescrizioneCampoProgetto, VistaProgetto::NumeroCampi> CAMPI_PROGETTO{{
    {QT_TRANSLATE_NOOP("VistaProgetto", "a T (°C):"),
     QT_TRANSLATE_NOOP("VistaProgetto", "Temperatura del criterio"), "25", ""},
    {QT_TRANSLATE_NOOP("VistaProgetto", "Tolleranza R serie (± %):"),
     QT_TRANSLATE_NOOP("VistaProgetto", "Tolleranza della resistenza in serie in percento"), "1",
     ""},
    {QT_TRANSLATE_NOOP("VistaProgetto", "Errore ADC (LSB):"),
     QT_TRANSLATE_NOOP("VistaProgetto", "Errore dell'ADC oltre la quantizzazione, in LSB"), "0",
     ""},
    {QT_TRANSLATE_NOOP("VistaProgetto", "Riferimento separato (± %):"),
     QT_TRANSLATE_NOOP("VistaProgetto", "Scarto del riferimento separato dell'ADC in percento"), "",
     QT_TRANSLATE_NOOP("VistaProgetto", "raziometrico")},
    {QT_TRANSLATE_NOOP("VistaProgetto", "Dissipazione (mW/K):"),
     QT_TRANSLATE_NOOP("VistaProgetto", "Costante di dissipazione in mW/K"), "",
     QT_TRANSLATE_NOOP("VistaProgetto", "non contata")},
}};

// The criteria's names in the list, in the order of TUTTI_I_CRITERI.
constexpr std::array<const char*, TUTTI_I_CRITERI.size()> CRITERI{
    QT_TRANSLATE_NOOP("VistaProgetto", "risoluzione peggiore"),
    QT_TRANSLATE_NOOP("VistaProgetto", "errore peggiore"),
    QT_TRANSLATE_NOOP("VistaProgetto", "risoluzione a una temperatura"),
};

// The contributions' names and colours, in the order of Contributo.
struct DescrizioneContributo {
    const char* nome;
    QRgb colore;
};
constexpr std::array<DescrizioneContributo, NUMERO_CONTRIBUTI> CONTRIBUTI{{
    {QT_TRANSLATE_NOOP("VistaProgetto", "R25"), 0x4e79a7},
    {QT_TRANSLATE_NOOP("VistaProgetto", "B"), 0xf28e2b},
    {QT_TRANSLATE_NOOP("VistaProgetto", "R serie"), 0x59a14f},
    {QT_TRANSLATE_NOOP("VistaProgetto", "ADC"), 0xe15759},
    {QT_TRANSLATE_NOOP("VistaProgetto", "Riferimento"), 0xb07aa1},
    {QT_TRANSLATE_NOOP("VistaProgetto", "Autoriscaldamento"), 0xedc948},
}};

const QColor COLORE_CURVA(0x1f, 0x5f, 0xbf);
const QColor COLORE_RSS(0x80, 0x10, 0x10);
constexpr int CIFRE_NOTA = 4;
constexpr int LARGHEZZA_CAMPO = 120;
constexpr int ALTEZZA_RIGA_IN_PIU = 6; // as the Tabella view's rows

} // namespace

VistaProgetto::VistaProgetto(const QLocale& regione, const CampiProgetto& campi, QWidget* genitore)
    : QWidget(genitore), regione_(regione), campi_(campi) {
    auto* griglia = new QGridLayout;
    const auto aggiungi = [&](int posto, const QString& etichetta, QWidget* campo) {
        auto* testo = new QLabel(etichetta, this);
        testo->setBuddy(campo);
        griglia->addWidget(testo, posto / 3, 2 * (posto % 3));
        griglia->addWidget(campo, posto / 3, 2 * (posto % 3) + 1);
    };
    cmbSerie_ = new QComboBox(this);
    for (const SeriePreferita serie : TUTTE_LE_SERIE) {
        cmbSerie_->addItem(QString::fromUtf8(NomeSerie(serie)));
    }
    cmbSerie_->setCurrentIndex(cmbSerie_->findText(QStringLiteral("E96")));
    cmbSerie_->setAccessibleName(tr("Serie di valori preferiti"));
    cmbCriterio_ = new QComboBox(this);
    for (const char* criterio : CRITERI) {
        cmbCriterio_->addItem(tr(criterio));
    }
    cmbCriterio_->setCurrentIndex(1);
    cmbCriterio_->setAccessibleName(tr("Criterio di scelta"));
    aggiungi(0, tr("Serie:"), cmbSerie_);
    aggiungi(1, tr("Criterio:"), cmbCriterio_);
    for (std::size_t i = 0; i < CAMPI_PROGETTO.size(); ++i) {
        auto* campo = new QLineEdit(this);
        campo->setAccessibleName(tr(CAMPI_PROGETTO[i].nomeAccessibile));
        campo->setPlaceholderText(tr(CAMPI_PROGETTO[i].vuoto));
        campo->setMaximumWidth(LARGHEZZA_CAMPO);
        const auto iniziale =
            LeggiCampo(QLocale::c(), QString::fromLatin1(CAMPI_PROGETTO[i].iniziale));
        campo->setText(iniziale ? TestoCampo(regione_, *iniziale) : QString());
        connect(campo, &QLineEdit::textEdited, this, &VistaProgetto::Cambiata);
        txtCampi_[i] = campo;
        aggiungi(static_cast<int>(i) + 2, tr(CAMPI_PROGETTO[i].etichetta), campo);
    }
    const auto aTemperatura = [this] {
        txtCampi_[CampoTemperatura]->setEnabled(
            TUTTI_I_CRITERI.at(static_cast<std::size_t>(cmbCriterio_->currentIndex())) ==
            CriterioProgetto::Tipo::ATemperatura);
    };
    aTemperatura();
    connect(cmbCriterio_, &QComboBox::currentIndexChanged, this, aTemperatura);
    connect(cmbCriterio_, &QComboBox::currentIndexChanged, this, &VistaProgetto::Cambiata);
    connect(cmbSerie_, &QComboBox::currentIndexChanged, this, &VistaProgetto::Cambiata);
    griglia->setColumnStretch(6, 1);

    lblNota_ = new QLabel(this);
    lblNota_->setWordWrap(true);
    lblNota_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* pulsanti = new QHBoxLayout;
    const auto pulsante = [&](const QString& testo, auto azione) {
        auto* nuovo = new QPushButton(testo, this);
        connect(nuovo, &QPushButton::clicked, this, azione);
        pulsanti->addWidget(nuovo);
    };
    pulsante(tr("Copia candidati"),
             [this] { QApplication::clipboard()->setText(TestoCandidati()); });
    pulsante(tr("Copia bilancio"), [this] { QApplication::clipboard()->setText(TestoBilancio()); });
    pulsante(tr("Esporta candidati CSV…"), [this] { ChiediEsportazione(false); });
    pulsante(tr("Esporta bilancio CSV…"), [this] { ChiediEsportazione(true); });
    pulsanti->addStretch();

    modCandidati_ = new ModelloCandidati(regione_, this);
    tblCandidati_ = new QTableView(this);
    tblCandidati_->setModel(modCandidati_);
    tblCandidati_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblCandidati_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblCandidati_->verticalHeader()->hide();
    tblCandidati_->verticalHeader()->setDefaultSectionSize(tblCandidati_->fontMetrics().height() +
                                                           ALTEZZA_RIGA_IN_PIU);
    tblCandidati_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Room for every row shown; the plots take the rest.
    tblCandidati_->setMinimumHeight(tblCandidati_->horizontalHeader()->sizeHint().height() +
                                    static_cast<int>(CANDIDATI_MOSTRATI + 2) *
                                        tblCandidati_->verticalHeader()->defaultSectionSize() +
                                    2 * tblCandidati_->frameWidth());
    tblCandidati_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblCandidati_->setAccessibleName(tr("Resistenze in serie candidate"));
    connect(tblCandidati_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& corrente) {
                if (!riempiendo_ && corrente.isValid()) {
                    ScegliCandidato(corrente.row());
                }
            });

    grfConteggi_ = new GraficoProgetto(regione_, tr("Conteggi ADC"), this);
    grfConteggi_->setAccessibleName(tr("Conteggi dell'ADC contro la temperatura"));
    grfRisoluzione_ = new GraficoProgetto(regione_, tr("K per conteggio"), this);
    grfRisoluzione_->setAccessibleName(tr("Risoluzione in K per conteggio"));
    grfBilancio_ = new GraficoProgetto(regione_, tr("Errore (± K)"), this);
    grfBilancio_->setAccessibleName(tr("Bilancio d'errore per contributo"));
    auto* grafici = new QSplitter(Qt::Horizontal, this);
    grafici->addWidget(grfConteggi_);
    grafici->addWidget(grfRisoluzione_);
    grafici->addWidget(grfBilancio_);
    grafici->setStretchFactor(2, 2);
    auto* divisore = new QSplitter(Qt::Vertical, this);
    divisore->addWidget(tblCandidati_);
    divisore->addWidget(grafici);
    divisore->setStretchFactor(0, 0);
    divisore->setStretchFactor(1, 1);

    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(griglia);
    colonna->addWidget(lblNota_);
    colonna->addLayout(pulsanti);
    colonna->addWidget(divisore, 1);
}

VistaProgetto::~VistaProgetto() = default;

QString VistaProgetto::Nota() const {
    return lblNota_->text();
}

Esito<RichiestaProgetto> VistaProgetto::RichiestaDaiCampi(const Griglia& griglia) const {
    using EsitoRichiesta = Esito<RichiestaProgetto>;
    const auto numero = [this](const QLineEdit* campo) {
        return LeggiCampo(regione_, campo->text());
    };
    const auto nonNumero = [](const QLineEdit* campo) {
        return EsitoRichiesta::Errore(campo->accessibleName().toStdString() + ": non è un numero");
    };
    RichiestaProgetto richiesta;
    richiesta.griglia = griglia;
    const std::array<std::pair<QLineEdit*, double*>, 5> obbligatori{{
        {campi_.riferimento, &richiesta.circuito.tensioneRif},
        {campi_.tolleranzaR25, &richiesta.tolleranze.r25Percento},
        {campi_.tolleranzaB, &richiesta.tolleranze.bPercento},
        {txtCampi_[CampoTolleranzaSerie], &richiesta.tolleranze.seriePercento},
        {txtCampi_[CampoErroreAdc], &richiesta.tolleranze.adcLsb},
    }};
    for (const auto& [campo, valore] : obbligatori) {
        const auto letto = numero(campo);
        if (!letto) {
            return nonNumero(campo);
        }
        *valore = *letto;
    }
    const auto bit = numero(campi_.bit);
    if (!bit || *bit != std::trunc(*bit)) {
        return EsitoRichiesta::Errore("i bit dell'ADC vogliono un intero da 1 a 31");
    }
    // Beyond int's range is beyond 1…31 too, which the design's own check says.
    richiesta.circuito.bit = std::fabs(*bit) <= BIT_MASSIMI ? static_cast<int>(*bit) : 0;
    richiesta.circuito.posizione = campi_.verso->currentIndex() == 0
                                       ? Partitore::Posizione::VersoMassa
                                       : Partitore::Posizione::VersoAlimentazione;
    const std::array<std::pair<QLineEdit*, std::optional<double>*>, 2> facoltativi{{
        {txtCampi_[CampoRiferimentoSeparato], &richiesta.tolleranze.riferimentoPercento},
        {txtCampi_[CampoDissipazione], &richiesta.tolleranze.dissipazioneMilliwattPerK},
    }};
    for (const auto& [campo, valore] : facoltativi) {
        if (!campo->text().trimmed().isEmpty()) {
            *valore = numero(campo);
            if (!*valore) {
                return nonNumero(campo);
            }
        }
    }
    richiesta.serie = TUTTE_LE_SERIE.at(static_cast<std::size_t>(cmbSerie_->currentIndex()));
    richiesta.criterio.tipo =
        TUTTI_I_CRITERI.at(static_cast<std::size_t>(cmbCriterio_->currentIndex()));
    if (richiesta.criterio.tipo == CriterioProgetto::Tipo::ATemperatura) {
        const auto temperatura = numero(txtCampi_[CampoTemperatura]);
        if (!temperatura) {
            return nonNumero(txtCampi_[CampoTemperatura]);
        }
        richiesta.criterio.temperatura = *temperatura;
    }
    return richiesta;
}

void VistaProgetto::Aggiorna(const ModelloNTC& modello, const Griglia& griglia) {
    const auto richiesta = RichiestaDaiCampi(griglia);
    if (!richiesta.Riuscito()) {
        MostraMessaggio(QString::fromStdString(richiesta.Motivo()));
        return;
    }
    auto preparato = Progetto::Prepara(modello, richiesta.Valore());
    if (const auto* errore = std::get_if<ErroreProgetto>(&preparato)) {
        MostraMessaggio(QString::fromStdString(errore->motivo));
        return;
    }
    progetto_ = std::get<Progetto>(std::move(preparato));
    daScegliere_ = true;
    // Ranking every value takes a pass over the range each: only for a view someone sees.
    if (isVisible()) {
        Calcola();
    }
}

void VistaProgetto::MostraMessaggio(const QString& messaggio) {
    progetto_.reset();
    scelta_.reset();
    rMostrata_.reset();
    bilancio_.clear();
    daScegliere_ = false;
    riempiendo_ = true;
    modCandidati_->Svuota();
    riempiendo_ = false;
    lblNota_->setText(messaggio);
    for (GraficoProgetto* grafico : {grfConteggi_, grfRisoluzione_, grfBilancio_}) {
        grafico->ImpostaMessaggio(messaggio);
    }
}

void VistaProgetto::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (daScegliere_) {
        Calcola();
    }
}

void VistaProgetto::Calcola() {
    daScegliere_ = false;
    scelta_ = progetto_->Scegli();
    const auto divisore = LeggiCampo(regione_, campi_.rSerie->text());
    rMostrata_ = divisore && *divisore > 0 ? *divisore : scelta_->candidati.front().rSerie;
    bilancio_ = progetto_->Bilancio(*rMostrata_);

    riempiendo_ = true;
    modCandidati_->ImpostaScelta(*scelta_, CANDIDATI_MOSTRATI);
    if (const int riga = modCandidati_->RigaDi(*rMostrata_); riga >= 0) {
        tblCandidati_->selectRow(riga);
    }
    riempiendo_ = false;

    const SeriePreferita serie = progetto_->Richiesta().serie;
    lblNota_->setText(
        tr("Ottimo continuo: R serie = %1 (criterio %2). Il valore %3 più vicino, %4, perde "
           "il %5 %. Grafici per %6 (%7).")
            .arg(TestoOhm(regione_, scelta_->ottimo.rSerie, CIFRE_NOTA),
                 TestoCifre(regione_, scelta_->ottimo.criterio, CIFRE_NOTA),
                 QString::fromUtf8(NomeSerie(serie)),
                 TestoOhm(regione_, scelta_->vicino.rSerie, CIFRE_NOTA),
                 TestoCifre(regione_, scelta_->vicino.perditaPercento, CIFRE_NOTA),
                 TestoOhm(regione_, *rMostrata_, CIFRE_NOTA),
                 divisore ? tr("la R serie del partitore") : tr("il primo candidato")));
    Disegna();
}

void VistaProgetto::Disegna() {
    std::vector<double> temperature;
    std::vector<double> conteggi;
    std::vector<double> risoluzione;
    std::vector<double> peggiore;
    std::vector<double> rss;
    std::array<std::vector<double>, NUMERO_CONTRIBUTI> contributi;
    for (const RigaProgetto& riga : bilancio_) {
        temperature.push_back(riga.temperatura);
        conteggi.push_back(riga.conteggi);
        risoluzione.push_back(riga.kPerConteggio);
        peggiore.push_back(riga.peggiore);
        rss.push_back(riga.rss);
        for (std::size_t c = 0; c < NUMERO_CONTRIBUTI; ++c) {
            contributi[c].push_back(riga.contributi[c]);
        }
    }
    // The grid may run from hot to cold; the plots run from cold to hot.
    const bool rovescia = temperature.size() > 1 && temperature.front() > temperature.back();
    const auto inOrdine = [rovescia](std::vector<double> valori) {
        if (rovescia) {
            std::reverse(valori.begin(), valori.end());
        }
        return valori;
    };
    grfConteggi_->ImpostaDati(inOrdine(temperature), {},
                              {{tr("Conteggi"), COLORE_CURVA, inOrdine(std::move(conteggi))}});
    grfRisoluzione_->ImpostaDati(
        inOrdine(temperature), {},
        {{tr("K per conteggio"), COLORE_CURVA, inOrdine(std::move(risoluzione))}});
    std::vector<GraficoProgetto::Serie> strati;
    for (std::size_t c = 0; c < NUMERO_CONTRIBUTI; ++c) {
        strati.push_back({tr(CONTRIBUTI[c].nome), QColor(CONTRIBUTI[c].colore),
                          inOrdine(std::move(contributi[c]))});
    }
    grfBilancio_->ImpostaDati(inOrdine(std::move(temperature)), std::move(strati),
                              {{tr("Caso peggiore"), Qt::black, inOrdine(std::move(peggiore))},
                               {tr("RSS"), COLORE_RSS, inOrdine(std::move(rss))}});
}

void VistaProgetto::ScegliCandidato(int riga) {
    if (riga < 0 || riga >= modCandidati_->rowCount()) {
        return;
    }
    campi_.rSerie->setText(TestoCampo(regione_, modCandidati_->Resistenza(riga)));
    emit Cambiata();
}

QString VistaProgetto::TestoCandidati() const {
    return modCandidati_->TestoSeparatoDaTabulazioni();
}

QString VistaProgetto::TestoBilancio() const {
    QString testo;
    for (std::size_t c = 0; c < COLONNE_BILANCIO.size(); ++c) {
        testo += QString::fromUtf8(COLONNE_BILANCIO[c]) +
                 (c + 1 < COLONNE_BILANCIO.size() ? u'\t' : u'\n');
    }
    for (const RigaProgetto& riga : bilancio_) {
        const auto valori = ValoriBilancio(riga);
        for (std::size_t c = 0; c < valori.size(); ++c) {
            testo += TestoCampo(regione_, valori[c]) + (c + 1 < valori.size() ? u'\t' : u'\n');
        }
    }
    return testo;
}

Esito<std::string> VistaProgetto::CsvCandidati() const {
    if (!scelta_) {
        return Esito<std::string>::Errore(Nota().toStdString());
    }
    std::string testo;
    // Spreadsheets of comma regions read ";" and a decimal comma.
    ScriviScelta(testo, *scelta_, progetto_->Richiesta(), CANDIDATI_MOSTRATI,
                 regione_.decimalPoint() == QStringLiteral(",") ? FormaProgetto::Virgola
                                                                : FormaProgetto::Csv);
    return testo;
}

Esito<std::string> VistaProgetto::CsvBilancio() const {
    if (!scelta_) {
        return Esito<std::string>::Errore(Nota().toStdString());
    }
    std::string testo;
    ScriviBilancio(testo, bilancio_,
                   regione_.decimalPoint() == QStringLiteral(",") ? FormaProgetto::Virgola
                                                                  : FormaProgetto::Csv);
    return testo;
}

QString VistaProgetto::EsportaCsv(bool bilancio, const QString& percorso) const {
    const auto testo = bilancio ? CsvBilancio() : CsvCandidati();
    if (!testo.Riuscito()) {
        return QString::fromStdString(testo.Motivo());
    }
    // Written whole or not at all, as the window's other exports.
    const QByteArray contenuto(testo.Valore().data(),
                               static_cast<qsizetype>(testo.Valore().size()));
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size() ||
        !file.commit()) {
        return tr("Scrittura non riuscita: %1").arg(percorso);
    }
    return {};
}

void VistaProgetto::ChiediEsportazione(bool bilancio) {
    const QString titolo = bilancio ? tr("Esporta bilancio CSV") : tr("Esporta candidati CSV");
    QFileDialog dialogo(this, titolo, {}, tr("CSV (*.csv)"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("csv"));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return;
    }
    const QString errore = EsportaCsv(bilancio, dialogo.selectedFiles().constFirst());
    if (!errore.isEmpty()) {
        QMessageBox::warning(this, titolo, errore);
    }
}
