#include "calcoli/tabella.h"
#include "curva/campi_regione.h"
#include "curva/curve_confronto.h"
#include "curva/descrizione_modello.h"
#include "curva/elenco_errori.h"
#include "curva/finestra_curva.h"
#include "curva/grafico_curva.h"
#include "curva/modello_righe.h"
#include "curva/pannello_adattamento.h"
#include "curva/vista_progetto.h"
#include "modelli/file_modello.h"
#include "modelli/tabella_csv.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableView>

namespace {

// One press of Ctrl++ or Ctrl+−.
constexpr double ZOOM = 0.8;

// The Tabella menu's exports, one per format: its item and its keys. The dialog's filter
// and the file's extension are the format's own.
struct VoceEsportazione {
    FormatoTabella formato;
    const char* testo;
    QKeySequence tasti;
};

const std::array<VoceEsportazione, NUMERO_FORMATI>& Esportazioni() {
    static const std::array<VoceEsportazione, NUMERO_FORMATI> VOCI{{
        {FormatoCsv{}, QT_TRANSLATE_NOOP("FinestraCurva", "Esporta &CSV…"),
         QKeySequence(Qt::CTRL | Qt::Key_E)},
        {FormatoJson{}, QT_TRANSLATE_NOOP("FinestraCurva", "Esporta &JSON…"),
         QKeySequence(Qt::CTRL | Qt::Key_J)},
        {FormatoC{}, QT_TRANSLATE_NOOP("FinestraCurva", "Esporta intestazione &C…"),
         QKeySequence(Qt::CTRL | Qt::Key_H)},
        {FormatoMarlin{}, QT_TRANSLATE_NOOP("FinestraCurva", "Esporta tabella &Marlin…"),
         QKeySequence(Qt::CTRL | Qt::Key_M)},
        {FormatoKlipper{}, QT_TRANSLATE_NOOP("FinestraCurva", "Esporta sezione &Klipper…"),
         QKeySequence(Qt::CTRL | Qt::Key_K)},
        {FormatoEsphome{}, QT_TRANSLATE_NOOP("FinestraCurva", "Esporta blocco &ESPHome…"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
    }};
    return VOCI;
}

QString ScriviFile(const QString& percorso, const QByteArray& contenuto) {
    // Written whole or not at all: an export never leaves half a table behind.
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size() ||
        !file.commit()) {
        return FinestraCurva::tr("Scrittura non riuscita: %1").arg(percorso);
    }
    return {};
}

// A menu item's text as a dialog's title: "Esporta &CSV…" is "Esporta CSV".
QString Titolo(const QString& voce) {
    return QString(voce).remove(u'&').remove(u'…');
}

// A maker's table from a CSV file; its bad lines, ten at most, in errore.
std::optional<ModelloTabella> LeggiTabella(const QString& percorso, QString& errore) {
    TabellaLetta letta = LeggiFileTabellaCSV(percorso.toStdString());
    if (!letta.erroreFile.empty()) {
        errore = QString::fromStdString(letta.erroreFile);
        return std::nullopt;
    }
    QStringList righe;
    for (const ErroreRiga& riga : letta.errori) {
        righe << FinestraCurva::tr("riga %1: %2")
                     .arg(riga.riga)
                     .arg(QString::fromStdString(riga.motivo));
    }
    if (!righe.isEmpty()) {
        errore = ElencoErrori(righe, static_cast<qsizetype>(letta.righeErrate));
        return std::nullopt;
    }
    auto tabella = ModelloTabella::Crea(std::move(letta.righe));
    if (!tabella.Riuscito()) {
        errore = QString::fromStdString(tabella.Motivo());
        return std::nullopt;
    }
    return std::move(tabella.Valore());
}

} // namespace

void FinestraCurva::CreaMenu() {
    const auto aggiungi = [this](QMenu* menu, const QString& testo, const QKeySequence& tasti,
                                 auto gestore) {
        QAction* azione = menu->addAction(testo);
        azione->setShortcut(tasti);
        connect(azione, &QAction::triggered, this, gestore);
        return azione;
    };
    QMenu* menuFile = menuBar()->addMenu(tr("&File"));
    aggiungi(menuFile, tr("&Apri parametri…"), QKeySequence(Qt::CTRL | Qt::Key_O),
             &FinestraCurva::ChiediApriParametri);
    aggiungi(menuFile, tr("&Salva parametri…"), QKeySequence(Qt::CTRL | Qt::Key_S),
             &FinestraCurva::ChiediSalvaParametri);
    aggiungi(menuFile, tr("Apri &tabella del costruttore…"), QKeySequence(Qt::CTRL | Qt::Key_T),
             &FinestraCurva::ChiediApriTabella);
    aggiungi(menuFile, tr("&Leggi punti da CSV…"), QKeySequence(Qt::CTRL | Qt::Key_L),
             &FinestraCurva::ChiediLeggiPunti);
    aggiungi(menuFile, tr("Esporta immagine &PNG…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
             &FinestraCurva::ChiediEsportaPng);
    aggiungi(menuFile, tr("Esporta immagine &SVG…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
             &FinestraCurva::ChiediEsportaSvg);
    aggiungi(menuFile, tr("&Esci"), QKeySequence(Qt::CTRL | Qt::Key_Q), &FinestraCurva::close);

    QMenu* menuTabella = menuBar()->addMenu(tr("&Tabella"));
    for (const VoceEsportazione& voce : Esportazioni()) {
        const QString testo = tr(voce.testo);
        aggiungi(menuTabella, testo, voce.tasti, [this, formato = voce.formato, testo] {
            ChiediEsportazione(formato, Titolo(testo));
        });
    }
    aggiungi(menuTabella, tr("C&opia tabella"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
             &FinestraCurva::CopiaTabella);

    QMenu* menuAdattamento = menuBar()->addMenu(tr("&Adattamento"));
    aggiungi(menuAdattamento, tr("&Incolla punti"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
             [this] { pnlAdattamento_->Incolla(); });
    aggiungi(menuAdattamento, tr("&Adatta"), QKeySequence(Qt::Key_F5),
             [this] { pnlAdattamento_->Adatta(); });
    aggiungi(menuAdattamento, tr("&Usa questo modello"), QKeySequence(Qt::CTRL | Qt::Key_U),
             [this] { pnlAdattamento_->UsaModello(); });
    aggiungi(menuAdattamento, tr("&Rimuovi le righe scelte"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete),
             [this] { pnlAdattamento_->RimuoviRighe(); });
    aggiungi(menuAdattamento, tr("&Svuota i punti"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backspace),
             [this] { pnlAdattamento_->SvuotaPunti(); });

    QMenu* menuVista = menuBar()->addMenu(tr("&Vista"));
    aggiungi(menuVista, tr("&Curva"), QKeySequence(Qt::CTRL | Qt::Key_1),
             [this] { MostraVista(grfCurva_); });
    aggiungi(menuVista, tr("&Errore"), QKeySequence(Qt::CTRL | Qt::Key_2),
             [this] { MostraVista(grfErrore_); });
    aggiungi(menuVista, tr("&Tabella"), QKeySequence(Qt::CTRL | Qt::Key_3),
             [this] { MostraVista(tblRighe_); });
    aggiungi(menuVista, tr("&Adattamento"), QKeySequence(Qt::CTRL | Qt::Key_4),
             [this] { MostraVista(pnlAdattamento_); });
    aggiungi(menuVista, tr("&Partitore"), QKeySequence(Qt::CTRL | Qt::Key_5),
             [this] { MostraVista(pagPartitore_); });
    aggiungi(menuVista, tr("Pr&ogetto"), QKeySequence(Qt::CTRL | Qt::Key_6),
             [this] { MostraVista(vstProgetto_); });
    menuVista->addSeparator();
    aggiungi(menuVista, tr("Aggiungi il &modello al confronto"), QKeySequence(Qt::CTRL | Qt::Key_D),
             &FinestraCurva::ChiediAggiungiModello);
    aggiungi(menuVista, tr("Aggiungi una ta&bella al confronto…"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), &FinestraCurva::ChiediAggiungiTabella);
    aggiungi(menuVista, tr("&Rimuovi la curva scelta"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
             [this] { pnlConfronto_->RimuoviScelta(); });
    menuVista->addSeparator();
    aggiungi(menuVista, tr("&Vai a una temperatura"), QKeySequence(Qt::CTRL | Qt::Key_G), [this] {
        txtCursore_->setFocus();
        txtCursore_->selectAll();
    });
    aggiungi(menuVista, tr("Copia la &lettura"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
             &FinestraCurva::CopiaLettura);
    aggiungi(menuVista, tr("In&grandisci"), QKeySequence(Qt::CTRL | Qt::Key_Plus),
             [this] { GraficoMostrato()->Ingrandisci(ZOOM); })
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    aggiungi(menuVista, tr("Ri&duci"), QKeySequence(Qt::CTRL | Qt::Key_Minus),
             [this] { GraficoMostrato()->Ingrandisci(1 / ZOOM); });
    aggiungi(menuVista, tr("Vista i&ntera"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] {
        for (GraficoCurva* grafico : {grfCurva_, grfErrore_, grfTensione_, grfRisoluzione_}) {
            grafico->VistaIntera();
        }
    });
    menuVista->addSeparator();
    aggiungi(menuVista, tr("&Informazioni"), QKeySequence(Qt::Key_F1),
             &FinestraCurva::MostraInformazioni);
}

QString FinestraCurva::ChiediPercorso(const QString& titolo, const QString& filtro, bool salva,
                                      const QString& estensione) {
    if (!salva) {
        return QFileDialog::getOpenFileName(this, titolo, {}, filtro);
    }
    QFileDialog dialogo(this, titolo, {}, filtro);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without its extension gets the one the item writes: an SVG asked for
    // must not come out as a PNG under a bare name.
    dialogo.setDefaultSuffix(estensione);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().constFirst();
}

void FinestraCurva::Avvisa(const QString& titolo, const QString& errore) {
    if (!errore.isEmpty()) {
        QMessageBox::warning(this, titolo, errore);
    }
}

void FinestraCurva::ChiediApriParametri() {
    const QString titolo = tr("Apri parametri");
    const QString percorso = ChiediPercorso(titolo, tr("NTC (*.ntc)"), false, {});
    if (!percorso.isEmpty()) {
        Avvisa(titolo, ApriParametri(percorso));
    }
}

void FinestraCurva::ChiediSalvaParametri() {
    const QString titolo = tr("Salva parametri");
    const QString percorso = ChiediPercorso(titolo, tr("NTC (*.ntc)"), true, QStringLiteral("ntc"));
    if (!percorso.isEmpty()) {
        Avvisa(titolo, SalvaParametri(percorso));
    }
}

void FinestraCurva::ChiediApriTabella() {
    const QString titolo = tr("Apri tabella del costruttore");
    const QString percorso = ChiediPercorso(titolo, tr("CSV (*.csv *.txt)"), false, {});
    if (!percorso.isEmpty()) {
        Avvisa(titolo, ApriTabellaCostruttore(percorso));
    }
}

void FinestraCurva::ChiediLeggiPunti() {
    const QString titolo = tr("Leggi punti da CSV");
    const QString percorso = ChiediPercorso(titolo, tr("CSV (*.csv *.txt)"), false, {});
    if (!percorso.isEmpty()) {
        Avvisa(titolo, LeggiPuntiDaCsv(percorso));
    }
}

void FinestraCurva::ChiediEsportaPng() {
    const QString titolo = tr("Esporta immagine PNG");
    const QString percorso = ChiediPercorso(titolo, tr("PNG (*.png)"), true, QStringLiteral("png"));
    if (!percorso.isEmpty()) {
        Avvisa(titolo, EsportaImmagine(percorso));
    }
}

void FinestraCurva::ChiediEsportaSvg() {
    const QString titolo = tr("Esporta immagine SVG");
    const QString percorso = ChiediPercorso(titolo, tr("SVG (*.svg)"), true, QStringLiteral("svg"));
    if (!percorso.isEmpty()) {
        Avvisa(titolo, EsportaImmagine(percorso));
    }
}

void FinestraCurva::ChiediEsportazione(const FormatoTabella& formato, const QString& titolo) {
    const QString estensione = QString::fromUtf8(EstensioneFormato(formato));
    const QString filtro =
        QStringLiteral("%1 (*.%2)").arg(QString::fromUtf8(DescrizioneFormato(formato)), estensione);
    const QString percorso = ChiediPercorso(titolo, filtro, true, estensione);
    if (!percorso.isEmpty()) {
        Avvisa(titolo, EsportaTabella(formato, percorso));
    }
}

void FinestraCurva::CopiaTabella() {
    QApplication::clipboard()->setText(modRighe_->TestoSeparatoDaTabulazioni());
    MostraStato(tr("Tabella copiata negli appunti"));
}

void FinestraCurva::MostraInformazioni() {
    QMessageBox::about(this, tr("Brevanto Curva"),
                       tr("Brevanto Curva\nCurve, tabelle e adattamenti per termistori NTC."));
}

Esito<std::string> FinestraCurva::TestoEsportazione(const FormatoTabella& formato) const {
    if (!modello_) {
        return Esito<std::string>::Errore(Stato().toStdString());
    }
    ContestoTabella contesto;
    contesto.partitore = adc_;
    if (const auto parametri = ParametriDaiCampi(); parametri.Riuscito()) {
        contesto.parametri = parametri.Valore();
    }
    if (const auto bit = BitFormato(formato); bit && contesto.partitore) {
        contesto.partitore->bit = *bit;
    }
    // Spreadsheets of comma regions read ";" and a decimal comma.
    contesto.virgola = regione_.decimalPoint() == QStringLiteral(",");
    std::string testo;
    if (const auto errore = ScriviTabella(testo, formato, *modello_, *griglia_, contesto)) {
        return Esito<std::string>::Errore(errore->motivo);
    }
    return testo;
}

QString FinestraCurva::EsportaTabella(const FormatoTabella& formato, const QString& percorso) {
    const auto testo = TestoEsportazione(formato);
    if (!testo.Riuscito()) {
        return QString::fromStdString(testo.Motivo());
    }
    QString errore = ScriviFile(
        percorso, QByteArray(testo.Valore().data(), static_cast<qsizetype>(testo.Valore().size())));
    MostraStato(errore.isEmpty() ? tr("Tabella esportata in %1").arg(percorso) : errore);
    return errore;
}

QString FinestraCurva::EsportaImmagine(const QString& percorso) {
    // The view shown (the curve's when it is not a plot); the divider's two plots one
    // above the other.
    std::vector<GraficoCurva*> grafici;
    if (tabViste_->currentWidget() == pagPartitore_) {
        grafici = {grfTensione_, grfRisoluzione_};
    } else {
        grafici = {tabViste_->currentWidget() == grfErrore_ ? grfErrore_ : grfCurva_};
    }
    QSize dimensione(0, 0);
    for (const GraficoCurva* grafico : grafici) {
        dimensione = QSize(std::max(dimensione.width(), grafico->width()),
                           dimensione.height() + grafico->height());
    }
    const auto disegna = [&](QPainter& pittore) {
        for (const GraficoCurva* grafico : grafici) {
            grafico->Disegna(pittore, QSize(dimensione.width(), grafico->height()));
            pittore.translate(0, grafico->height());
        }
    };
    QString fallita = tr("Scrittura non riuscita: %1").arg(percorso);
    if (percorso.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(percorso);
        svg.setSize(dimensione);
        svg.setViewBox(QRect(QPoint(0, 0), dimensione));
        svg.setTitle(windowTitle());
        svg.setDescription(NomeModello());
        QPainter pittore;
        if (!pittore.begin(&svg)) {
            return fallita;
        }
        disegna(pittore);
        pittore.end();
        return QFileInfo::exists(percorso) ? QString() : fallita;
    }
    QImage immagine(dimensione, QImage::Format_RGB32);
    {
        QPainter pittore(&immagine);
        disegna(pittore);
    }
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || !immagine.save(&file, "PNG") || !file.commit()) {
        return fallita;
    }
    MostraStato(tr("Immagine esportata in %1").arg(percorso));
    return {};
}

QString FinestraCurva::ApriTabellaCostruttore(const QString& percorso) {
    QString errore;
    auto tabella = LeggiTabella(percorso, errore);
    if (!tabella) {
        return errore;
    }
    tabellaCostruttore_ = std::move(tabella);
    nomeTabella_ = QFileInfo(percorso).fileName();
    const auto quante = tabellaCostruttore_->Righe().size();
    lblTabella_->setText(quante == 1 ? tr("%1: 1 riga").arg(nomeTabella_)
                                     : tr("%1: %2 righe").arg(nomeTabella_).arg(quante));
    Ricalcola();
    return {};
}

QString FinestraCurva::AggiungiTabellaAlConfronto(const QString& percorso) {
    QString errore;
    auto tabella = LeggiTabella(percorso, errore);
    if (!tabella) {
        return errore;
    }
    CurvaConfronto curva;
    curva.nome = tr("Tabella: %1").arg(QFileInfo(percorso).fileName());
    curva.righe = tabella->Righe();
    curva.modello = std::make_shared<ModelloTabella>(std::move(*tabella));
    pnlConfronto_->Aggiungi(std::move(curva));
    return {};
}

QString FinestraCurva::AggiungiModelloAlConfronto() {
    const auto parametri = ParametriDaiCampi();
    if (!parametri.Riuscito()) {
        return QString::fromStdString(parametri.Motivo());
    }
    CurvaConfronto curva;
    curva.nome = DescrizioneModello(regione_, parametri.Valore());
    curva.modello = CreaModello(parametri.Valore());
    pnlConfronto_->Aggiungi(std::move(curva));
    return {};
}

void FinestraCurva::ChiediAggiungiModello() {
    Avvisa(tr("Aggiungi il modello al confronto"), AggiungiModelloAlConfronto());
}

void FinestraCurva::ChiediAggiungiTabella() {
    const QString titolo = tr("Aggiungi una tabella al confronto");
    const QString percorso = ChiediPercorso(titolo, tr("CSV (*.csv *.txt)"), false, {});
    if (!percorso.isEmpty()) {
        Avvisa(titolo, AggiungiTabellaAlConfronto(percorso));
    }
}

void FinestraCurva::CopiaLettura() {
    const QString lettura = GraficoMostrato()->TestoLettura();
    if (lettura.isEmpty()) {
        MostraStato(tr("Nessuna lettura: porta il cursore sulla curva"));
        return;
    }
    QApplication::clipboard()->setText(lettura);
    MostraStato(tr("Lettura copiata negli appunti"));
}

void FinestraCurva::VaiATemperatura() {
    const auto temperatura = LeggiCampo(regione_, txtCursore_->text());
    if (!temperatura) {
        MostraStato(tr("Cursore: «%1» non è una temperatura").arg(txtCursore_->text()));
        return;
    }
    for (GraficoCurva* grafico : {grfCurva_, grfErrore_, grfTensione_, grfRisoluzione_}) {
        grafico->PortaCursore(*temperatura);
    }
}

QString FinestraCurva::LeggiPuntiDaCsv(const QString& percorso) {
    const TabellaLetta letta = LeggiFileTabellaCSV(percorso.toStdString());
    if (!letta.erroreFile.empty()) {
        return QString::fromStdString(letta.erroreFile);
    }
    pnlAdattamento_->ImpostaPunti(letta.righe);
    tabViste_->setCurrentWidget(pnlAdattamento_);
    QStringList righe;
    for (const ErroreRiga& riga : letta.errori) {
        righe << tr("riga %1: %2").arg(riga.riga).arg(QString::fromStdString(riga.motivo));
    }
    return ElencoErrori(righe, static_cast<qsizetype>(letta.righeErrate));
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
        return tr("Salvataggio non riuscito: %1").arg(percorso);
    }
    MostraStato(tr("Parametri salvati in %1").arg(percorso));
    return {};
}
