// Building the main window: its controls, their stacking and tab order, and the menus.
#include "finestra/main_form.h"

#include "finestra/lista_storico.h"
#include "finestra/tabella_pulsanti.h"
#include "risorse/aspetto.h"
#include "risorse/avvio.h"
#include "risorse/immagine_differita.h"
#include "risorse/risorse.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int LARGHEZZA_CLIENTE = 546;
constexpr int ALTEZZA_CLIENTE = 361;

} // namespace

void MainForm::CostruisciControlli() {
    // The lines and the register's white are painted by the client area itself.
    auto* cliente = new AreaCliente(this);
    cliente->setObjectName(QStringLiteral("MainFormCliente"));
    cliente->setFixedSize(LARGHEZZA_CLIENTE, ALTEZZA_CLIENTE);
    setCentralWidget(cliente);

    auto* picPar = new QWidget(cliente);
    picPar->setObjectName(QStringLiteral("Pic_Par"));
    picPar->setGeometry(RettangoloTwip(120, 120, 3855, 1815));
    picPar->setFocusPolicy(Qt::TabFocus);
    // The silver is the picture box's own: the frames of the buttons inside are drawn in a
    // shade of their parent's background.
    ImpostaSfondo(picPar, QColor(192, 192, 192));

    cmdTasto_.resize(NUMERO_TASTI);
    cmdPar_.resize(NUMERO_PAR);
    cmdOperazione_.resize(NUMERO_OPERAZIONI);
    QVector<QWidget*> perTab(25);
    QVector<QWidget*> ordine; // creation order: earlier lies above later
    for (const Pulsante& p : PULSANTI) {
        auto* pulsante = new QPushButton(tr(p.didascalia), p.inPicPar ? picPar : cliente);
        // Qt hands screen readers the caption as the button's name, the tooltip as its
        // description.
        pulsante->setToolTip(tr(p.suggerimento));
        pulsante->setGeometry(RettangoloTwip(p.sinistra, p.alto, p.larghezza, p.altezza));
        pulsante->setAutoDefault(false);
        const qint16 indice = p.indice;
        pulsante->setObjectName(NomePulsante(p.schiera, indice));
        switch (p.schiera) {
        case Schiera::Tasto:
            cmdTasto_[indice] = pulsante;
            connect(pulsante, &QPushButton::clicked, this,
                    [this, indice] { Cmd_Tasto_Click(indice); });
            break;
        case Schiera::Par:
            cmdPar_[indice] = pulsante;
            connect(pulsante, &QPushButton::clicked, this,
                    [this, indice] { Cmd_Par_Click(indice); });
            break;
        case Schiera::Operazione:
            cmdOperazione_[indice] = pulsante;
            connect(pulsante, &QPushButton::clicked, this,
                    [this, indice] { Cmd_Operazione_Click(indice); });
            break;
        }
        perTab[p.tab] = pulsante;
        if (!p.inPicPar) {
            ordine.append(pulsante);
        }
    }
    // Cmd_Tasto 1 follows the picture box, the list and the equation in creation order.
    ordine.removeOne(cmdTasto_[1]);

    auto* imgEquazione = new ImmagineDifferita(QString::fromLatin1(PERCORSO_EQUAZIONE), picPar);
    imgEquazione->setObjectName(QStringLiteral("Img_Equazione"));
    imgEquazione->setGeometry(RettangoloTwip(105, 120, 3540, 1020));
    imgEquazione->setFrameStyle(QFrame::Box | QFrame::Plain);
    imgEquazione->setLineWidth(1);
    cmdPar_[PAR_R0]->raise();
    cmdPar_[PAR_B]->raise();

    lstStorico_ = new ListaStorico(cliente);
    lstStorico_->setObjectName(QStringLiteral("Lst_Storico"));
    lstStorico_->setGeometry(RettangoloTwip(4200, 120, 3855, 5130));
    lstStorico_->setAccessibleName(tr("Storico"));
    lstStorico_->setAccessibleDescription(tr("Parametri inseriti e risultati delle conversioni"));

    const QColor grigio(128, 128, 128);
    const QColor bianco(255, 255, 255);
    display_ = new QLabel(cliente);
    display_->setObjectName(QStringLiteral("Display"));
    display_->setAccessibleDescription(tr("Numero in composizione"));
    ImpostaRegistro(QStringLiteral("0"));
    display_->setGeometry(RettangoloTwip(120, 2040, 3840, 375));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFrameStyle(QFrame::Box | QFrame::Plain);
    display_->setLineWidth(1);
    display_->setFont(QFont(FamigliaInstallata(QStringLiteral("Arial Narrow")), 12));
    cliente->AggiungiSfondo(display_, bianco);

    // The hidden lines keep their place in the stacking order: where two cross, the higher
    // one is painted over the other, and screen readers list the children in this order.
    ordine << picPar << lstStorico_ << cmdTasto_[1]
           << cliente->AggiungiLinea(QStringLiteral("LinPar5"), 3960, 3105, 120, 3105, grigio)
           << cliente->AggiungiLinea(QStringLiteral("LinPar4"), 3960, 3120, 120, 3120, bianco)
           << cliente->AggiungiLinea(QStringLiteral("LinPar1"), 4095, 120, 4095, 5280, bianco)
           << cliente->AggiungiLinea(QStringLiteral("LinPar0"), 4080, 120, 4080, 5280, grigio)
           << cliente->AggiungiLinea(QStringLiteral("LinPar2"), 2295, 3120, 2295, 5280, bianco)
           << display_
           << cliente->AggiungiLinea(QStringLiteral("LinPar3"), 2280, 3120, 2280, 5280, grigio);
    std::for_each(ordine.rbegin(), ordine.rend(), [](QWidget* w) { w->raise(); });

    perTab[23] = lstStorico_;
    perTab[24] = picPar;
    for (qsizetype i = 1; i < perTab.size(); ++i) {
        setTabOrder(perTab[i - 1], perTab[i]);
    }
}

void MainForm::CostruisciMenu() {
    auto voce = [this](QMenu* menu, const char* nome, const QString& testo,
                       const QKeySequence& scorciatoia, void (MainForm::*gestore)()) {
        QAction* azione = menu->addAction(testo);
        azione->setObjectName(QString::fromLatin1(nome));
        azione->setShortcut(scorciatoia);
        azione->setShortcutContext(Qt::WindowShortcut);
        connect(azione, &QAction::triggered, this, gestore);
    };
    auto separatore = [](QMenu* menu, const char* nome) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(nome));
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    voce(file, "MenuApri", tr("Apri NTC"), Qt::CTRL | Qt::Key_F12, &MainForm::MenuApri_Click);
    voce(file, "MenuSalva", tr("Salva NTC con nome..."), Qt::SHIFT | Qt::Key_F12,
         &MainForm::MenuSalva_Click);
    separatore(file, "MenuNull");
    voce(file, "MenuFine", tr("Fine Programma"), Qt::CTRL | Qt::Key_X, &MainForm::MenuFine_Click);

    QMenu* modifica = menuBar()->addMenu(tr("&Modifica"));
    modifica->setObjectName(QStringLiteral("MenuModifica"));
    voce(modifica, "MenuCopia", tr("Copia"), Qt::CTRL | Qt::Key_C, &MainForm::MenuCopia_Click);
    voce(modifica, "MenuIncolla", tr("Incolla"), Qt::CTRL | Qt::Key_V,
         &MainForm::MenuIncolla_Click);
    separatore(modifica, "MenuNullM0");
    voce(modifica, "MenuInviaCalc", tr("Invia alla calcolatrice"), Qt::CTRL | Qt::Key_I,
         &MainForm::MenuInviaCalc_Click);

    QMenu* aiuto = menuBar()->addMenu(tr("&?"));
    aiuto->setObjectName(QStringLiteral("MenuAbout0"));
    voce(aiuto, "MenuAbout", tr("Informazioni su..."), Qt::Key_F1, &MainForm::MenuAbout_Click);
}
