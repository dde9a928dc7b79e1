#include "curva/finestra_curva.h"
#include "curva/grafico_curva.h"
#include "curva/modello_righe.h"
#include "curva/pannello_adattamento.h"
#include "curva/righe_tabella.h"
#include "modelli/tabella_csv.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTabWidget>

namespace {

struct VoceMenu {
    const char* testo;
    QKeySequence tasti;
};

// File menu, in the order of EseguiFile.
enum VoceFile {
    ApriNtc,
    SalvaNtc,
    ApriTabella,
    LeggiPunti,
    EsportaPng,
    EsportaSvg,
    Esci,
    NumeroVociFile
};
const std::array<VoceMenu, NumeroVociFile> VOCI_FILE{{
    {"&Apri parametri…", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {"&Salva parametri…", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"Apri &tabella del costruttore…", QKeySequence(Qt::CTRL | Qt::Key_T)},
    {"&Leggi punti da CSV…", QKeySequence(Qt::CTRL | Qt::Key_L)},
    {"Esporta immagine &PNG…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
    {"Esporta immagine &SVG…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
    {"&Esci", QKeySequence(Qt::CTRL | Qt::Key_Q)},
}};

struct VoceEsportazione {
    VoceMenu voce;
    const char* filtro;
    const char* estensione;
};

// In the order of FinestraCurva::Esportazione; "Copia" follows them.
const std::array<VoceEsportazione, FinestraCurva::NumeroEsportazioni + 1> VOCI_TABELLA{{
    {{"Esporta &CSV…", QKeySequence(Qt::CTRL | Qt::Key_E)}, "CSV (*.csv)", "csv"},
    {{"Esporta &JSON…", QKeySequence(Qt::CTRL | Qt::Key_J)}, "JSON (*.json)", "json"},
    {{"Esporta intestazione &C…", QKeySequence(Qt::CTRL | Qt::Key_H)}, "C (*.h)", "h"},
    {{"Esporta tabella &Marlin…", QKeySequence(Qt::CTRL | Qt::Key_M)}, "C++ (*.h)", "h"},
    {{"Esporta sezione &Klipper…", QKeySequence(Qt::CTRL | Qt::Key_K)}, "Klipper (*.cfg)", "cfg"},
    {{"Esporta blocco &ESPHome…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
     "YAML (*.yaml)",
     "yaml"},
    {{"C&opia tabella", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, "", ""},
}};

const std::array<VoceMenu, 5> VOCI_VISTA{{
    {"&Curva", QKeySequence(Qt::CTRL | Qt::Key_1)},
    {"&Errore", QKeySequence(Qt::CTRL | Qt::Key_2)},
    {"&Tabella", QKeySequence(Qt::CTRL | Qt::Key_3)},
    {"&Adattamento", QKeySequence(Qt::CTRL | Qt::Key_4)},
    {"&Informazioni", QKeySequence(Qt::Key_F1)},
}};

// Marlin's tables are in 10-bit counts whatever the board's converter.
constexpr int BIT_MARLIN = 10;

QString ScriviFile(const QString& percorso, const QByteArray& contenuto) {
    // Written whole or not at all: an export never leaves half a table behind.
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size() ||
        !file.commit()) {
        return QStringLiteral("Scrittura non riuscita: %1").arg(percorso);
    }
    return {};
}

} // namespace

void FinestraCurva::CreaMenu() {
    const auto aggiungi = [this](QMenu* menu, const VoceMenu& voce, int indice, auto gestore) {
        QAction* azione = menu->addAction(QString::fromUtf8(voce.testo));
        azione->setShortcut(voce.tasti);
        connect(azione, &QAction::triggered, this,
                [this, indice, gestore] { (this->*gestore)(indice); });
    };
    QMenu* menuFile = menuBar()->addMenu(QStringLiteral("&File"));
    for (int i = 0; i < NumeroVociFile; ++i) {
        aggiungi(menuFile, VOCI_FILE.at(static_cast<size_t>(i)), i, &FinestraCurva::EseguiFile);
    }
    QMenu* menuTabella = menuBar()->addMenu(QStringLiteral("&Tabella"));
    for (int i = 0; i <= NumeroEsportazioni; ++i) {
        aggiungi(menuTabella, VOCI_TABELLA.at(static_cast<size_t>(i)).voce, i,
                 &FinestraCurva::EseguiEsportazione);
    }
    QMenu* menuAdattamento = menuBar()->addMenu(QStringLiteral("&Adattamento"));
    QAction* incolla = menuAdattamento->addAction(QStringLiteral("&Incolla punti"));
    incolla->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    connect(incolla, &QAction::triggered, pnlAdattamento_, &PannelloAdattamento::Incolla);
    QAction* adatta = menuAdattamento->addAction(QStringLiteral("&Adatta"));
    adatta->setShortcut(QKeySequence(Qt::Key_F5));
    connect(adatta, &QAction::triggered, pnlAdattamento_, &PannelloAdattamento::Adatta);
    QAction* usa = menuAdattamento->addAction(QStringLiteral("&Usa questo modello"));
    usa->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(usa, &QAction::triggered, pnlAdattamento_, &PannelloAdattamento::UsaModello);
    QMenu* menuVista = menuBar()->addMenu(QStringLiteral("&Vista"));
    for (int i = 0; i < static_cast<int>(VOCI_VISTA.size()); ++i) {
        aggiungi(menuVista, VOCI_VISTA.at(static_cast<size_t>(i)), i, &FinestraCurva::EseguiVista);
    }
}

void FinestraCurva::EseguiFile(int indice) {
    if (indice == Esci) {
        close();
        return;
    }
    const bool salva = indice == SalvaNtc || indice == EsportaPng || indice == EsportaSvg;
    const QString filtro = indice == EsportaPng   ? QStringLiteral("PNG (*.png)")
                           : indice == EsportaSvg ? QStringLiteral("SVG (*.svg)")
                           : indice == ApriNtc || indice == SalvaNtc
                               ? QStringLiteral("NTC (*.ntc)")
                               : QStringLiteral("CSV (*.csv *.txt)");
    const QString titolo = QString::fromUtf8(VOCI_FILE.at(static_cast<size_t>(indice)).testo)
                               .remove(u'&')
                               .remove(u'…');
    QString percorso = salva ? QFileDialog::getSaveFileName(this, titolo, {}, filtro)
                             : QFileDialog::getOpenFileName(this, titolo, {}, filtro);
    if (percorso.isEmpty()) {
        return;
    }
    // A name typed without its extension gets the one the item writes: an SVG asked for
    // must not come out as a PNG under a bare name.
    if (salva && QFileInfo(percorso).suffix().isEmpty()) {
        percorso += indice == SalvaNtc     ? QStringLiteral(".ntc")
                    : indice == EsportaSvg ? QStringLiteral(".svg")
                                           : QStringLiteral(".png");
    }
    const QString errore = indice == ApriNtc       ? ApriParametri(percorso)
                           : indice == SalvaNtc    ? SalvaParametri(percorso)
                           : indice == ApriTabella ? ApriTabellaCostruttore(percorso)
                           : indice == LeggiPunti  ? LeggiPuntiDaCsv(percorso)
                                                   : EsportaImmagine(percorso);
    if (!errore.isEmpty()) {
        QMessageBox::warning(this, titolo, errore);
    }
}

void FinestraCurva::EseguiEsportazione(int indice) {
    if (indice == NumeroEsportazioni) {
        QApplication::clipboard()->setText(modRighe_->TestoSeparatoDaTabulazioni());
        MostraStato(QStringLiteral("Tabella copiata negli appunti"));
        return;
    }
    const auto& voce = VOCI_TABELLA.at(static_cast<size_t>(indice));
    const QString titolo = QString::fromUtf8(voce.voce.testo).remove(u'&').remove(u'…');
    QFileDialog dialogo(this, titolo, {}, QString::fromUtf8(voce.filtro));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QString::fromLatin1(voce.estensione));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return;
    }
    const QString errore =
        EsportaTabella(static_cast<Esportazione>(indice), dialogo.selectedFiles().constFirst());
    if (!errore.isEmpty()) {
        QMessageBox::warning(this, titolo, errore);
    }
}

void FinestraCurva::EseguiVista(int indice) {
    if (indice < tabViste_->count()) {
        tabViste_->setCurrentIndex(indice);
        tabViste_->currentWidget()->setFocus();
        return;
    }
    QMessageBox::about(this, QStringLiteral("Brevanto Curva"),
                       QStringLiteral("Brevanto Curva\nCurve, tabelle e adattamenti per "
                                      "termistori NTC."));
}

Esito<std::string> FinestraCurva::TestoEsportazione(Esportazione esportazione) const {
    if (!modello_) {
        return Esito<std::string>::Errore(Stato().toStdString());
    }
    constexpr std::array<FormatoTabella, NumeroEsportazioni> FORMATI{
        FormatoTabella::Csv,    FormatoTabella::Json,    FormatoTabella::C,
        FormatoTabella::Marlin, FormatoTabella::Klipper, FormatoTabella::Esphome};
    FormatoTabella formato = FORMATI.at(static_cast<size_t>(esportazione));
    // Spreadsheets of comma regions read ";" and a decimal comma.
    if (formato == FormatoTabella::Csv && regione_.decimalPoint() == QStringLiteral(",")) {
        formato = FormatoTabella::CsvVirgola;
    }
    std::optional<PartitoreADC> adc = adc_;
    if (formato == FormatoTabella::Marlin && adc) {
        adc->bit = BIT_MARLIN;
    }
    const auto righe = CalcolaRighe(*modello_, temperature_, adc);
    if (!righe.Riuscito()) {
        return Esito<std::string>::Errore(righe.Motivo());
    }
    return TestoTabella(formato, righe.Valore(), adc);
}

QString FinestraCurva::EsportaTabella(Esportazione esportazione, const QString& percorso) {
    const auto testo = TestoEsportazione(esportazione);
    if (!testo.Riuscito()) {
        return QString::fromStdString(testo.Motivo());
    }
    QString errore = ScriviFile(
        percorso, QByteArray(testo.Valore().data(), static_cast<qsizetype>(testo.Valore().size())));
    MostraStato(errore.isEmpty() ? QStringLiteral("Tabella esportata in %1").arg(percorso)
                                 : errore);
    return errore;
}

QString FinestraCurva::EsportaImmagine(const QString& percorso) {
    GraficoCurva* grafico = tabViste_->currentWidget() == grfErrore_ ? grfErrore_ : grfCurva_;
    const QSize dimensione = grafico->size();
    if (percorso.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(percorso);
        svg.setSize(dimensione);
        svg.setViewBox(QRect(QPoint(0, 0), dimensione));
        svg.setTitle(windowTitle());
        QPainter pittore;
        if (!pittore.begin(&svg)) {
            return QStringLiteral("Scrittura non riuscita: %1").arg(percorso);
        }
        grafico->Disegna(pittore, dimensione);
        pittore.end();
        return QFileInfo::exists(percorso)
                   ? QString()
                   : QStringLiteral("Scrittura non riuscita: %1").arg(percorso);
    }
    QImage immagine(dimensione, QImage::Format_RGB32);
    {
        QPainter pittore(&immagine);
        grafico->Disegna(pittore, dimensione);
    }
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || !immagine.save(&file, "PNG") || !file.commit()) {
        return QStringLiteral("Scrittura non riuscita: %1").arg(percorso);
    }
    return {};
}

QString FinestraCurva::ApriTabellaCostruttore(const QString& percorso) {
    TabellaLetta letta = LeggiFileTabellaCSV(percorso.toStdString());
    QString errore = QString::fromStdString(letta.erroreFile);
    for (const ErroreRiga& riga : letta.errori) {
        errore +=
            QStringLiteral("riga %1: %2\n").arg(riga.riga).arg(QString::fromStdString(riga.motivo));
    }
    if (!errore.isEmpty()) {
        return errore.trimmed();
    }
    auto tabella = ModelloTabella::Crea(std::move(letta.righe));
    if (!tabella.Riuscito()) {
        return QString::fromStdString(tabella.Motivo());
    }
    tabellaCostruttore_ = std::move(tabella.Valore());
    lblTabella_->setText(QStringLiteral("%1: %2 righe")
                             .arg(QFileInfo(percorso).fileName())
                             .arg(tabellaCostruttore_->Righe().size()));
    Ricalcola();
    return {};
}

QString FinestraCurva::LeggiPuntiDaCsv(const QString& percorso) {
    const TabellaLetta letta = LeggiFileTabellaCSV(percorso.toStdString());
    if (!letta.erroreFile.empty()) {
        return QString::fromStdString(letta.erroreFile);
    }
    pnlAdattamento_->ImpostaPunti(letta.righe);
    tabViste_->setCurrentWidget(pnlAdattamento_);
    if (!letta.errori.empty()) {
        return QStringLiteral("riga %1: %2")
            .arg(letta.errori.front().riga)
            .arg(QString::fromStdString(letta.errori.front().motivo));
    }
    return {};
}

QString FinestraCurva::ApriParametri(const QString& percorso) {
    const auto parametri = CaricaModello(percorso.toStdString());
    if (!parametri.Riuscito()) {
        return QString::fromStdString(parametri.Motivo());
    }
    MettiParametri(parametri.Valore());
    return {};
}

QString FinestraCurva::SalvaParametri(const QString& percorso) {
    const auto parametri = ParametriDaiCampi();
    if (!parametri.Riuscito()) {
        return QString::fromStdString(parametri.Motivo());
    }
    if (!SalvaModello(percorso.toStdString(), parametri.Valore())) {
        return QStringLiteral("Salvataggio non riuscito: %1").arg(percorso);
    }
    MostraStato(QStringLiteral("Parametri salvati in %1").arg(percorso));
    return {};
}
