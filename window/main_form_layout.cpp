// Building the main window: its controls, their stacking and tab order, and the menus.
#include "main_form.h"

#include "lista_storico.h"
#include "resources/risorse.h"
#include "tabella_pulsanti.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int LARGHEZZA_CLIENTE = 546;
constexpr int ALTEZZA_CLIENTE = 361;

QWidget* Linea(QWidget* genitore, const QString& nome, int x1, int y1, int x2, int y2,
               const QColor& colore) {
    auto* linea = new QWidget(genitore);
    linea->setObjectName(nome);
    const int x = Px(std::min(x1, x2));
    const int y = Px(std::min(y1, y2));
    linea->setGeometry(x, y, std::max(1, Px(std::max(x1, x2)) - x),
                       std::max(1, Px(std::max(y1, y2)) - y));
    linea->setAutoFillBackground(true);
    QPalette tavolozza = linea->palette();
    tavolozza.setColor(QPalette::Window, colore);
    linea->setPalette(tavolozza);
    return linea;
}

void Sfondo(QWidget* controllo, const QColor& colore) {
    controllo->setAutoFillBackground(true);
    QPalette tavolozza = controllo->palette();
    tavolozza.setColor(QPalette::Window, colore);
    controllo->setPalette(tavolozza);
}

} // namespace

void MainForm::CostruisciControlli() {
    auto* cliente = new QWidget(this);
    cliente->setObjectName(QStringLiteral("MainFormCliente"));
    cliente->setFixedSize(LARGHEZZA_CLIENTE, ALTEZZA_CLIENTE);
    setCentralWidget(cliente);

    auto* picPar = new QWidget(cliente);
    picPar->setObjectName(QStringLiteral("Pic_Par"));
    picPar->setGeometry(Px(120), Px(120), Px(3855), Px(1815));
    picPar->setFocusPolicy(Qt::TabFocus);
    Sfondo(picPar, QColor(192, 192, 192));

    cmdTasto_.resize(17);
    cmdPar_.resize(2);
    cmdOperazione_.resize(4);
    QVector<QWidget*> perTab(25);
    QVector<QWidget*> ordine; // creation order: earlier lies above later
    for (const Pulsante& p : PULSANTI) {
        auto* pulsante =
            new QPushButton(QString::fromUtf8(p.didascalia), p.inPicPar ? picPar : cliente);
        // Qt hands screen readers the caption as the button's name, the tooltip as its
        // description.
        pulsante->setToolTip(QString::fromUtf8(p.suggerimento));
        pulsante->setGeometry(Px(p.sinistra), Px(p.alto), Px(p.larghezza), Px(p.altezza));
        pulsante->setAutoDefault(false);
        const qint16 indice = p.indice;
        switch (p.schiera) {
        case Schiera::Tasto:
            pulsante->setObjectName(QStringLiteral("Cmd_Tasto%1").arg(indice));
            cmdTasto_[indice] = pulsante;
            connect(pulsante, &QPushButton::clicked, this,
                    [this, indice] { Cmd_Tasto_Click(indice); });
            break;
        case Schiera::Par:
            pulsante->setObjectName(QStringLiteral("Cmd_Par%1").arg(indice));
            cmdPar_[indice] = pulsante;
            connect(pulsante, &QPushButton::clicked, this,
                    [this, indice] { Cmd_Par_Click(indice); });
            break;
        case Schiera::Operazione:
            pulsante->setObjectName(QStringLiteral("Cmd_Operazione%1").arg(indice));
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

    auto* imgEquazione = new QLabel(picPar);
    imgEquazione->setObjectName(QStringLiteral("Img_Equazione"));
    imgEquazione->setGeometry(Px(105), Px(120), Px(3540), Px(1020));
    imgEquazione->setFrameStyle(QFrame::Box | QFrame::Plain);
    imgEquazione->setLineWidth(1);
    imgEquazione->setPixmap(
        CaricaImmagine(QString::fromLatin1(PERCORSO_EQUAZIONE), devicePixelRatioF()));
    cmdPar_[0]->raise();
    cmdPar_[1]->raise();

    lstStorico_ = new ListaStorico(cliente);
    lstStorico_->setObjectName(QStringLiteral("Lst_Storico"));
    lstStorico_->setGeometry(Px(4200), Px(120), Px(3855), Px(5130));
    lstStorico_->setAccessibleName(QStringLiteral("Storico"));
    lstStorico_->setAccessibleDescription(
        QStringLiteral("Parametri inseriti e risultati delle conversioni"));

    const QColor grigio(128, 128, 128);
    const QColor bianco(255, 255, 255);
    display_ = new QLabel(cliente);
    display_->setObjectName(QStringLiteral("Display"));
    display_->setAccessibleDescription(QStringLiteral("Numero in composizione"));
    ImpostaRegistro(QStringLiteral("0"));
    display_->setGeometry(Px(120), Px(2040), Px(3840), Px(375));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFrameStyle(QFrame::Box | QFrame::Plain);
    display_->setLineWidth(1);
    display_->setFont(QFont(QStringLiteral("Arial Narrow"), 12));
    Sfondo(display_, bianco);

    ordine << picPar << lstStorico_ << cmdTasto_[1]
           << Linea(cliente, QStringLiteral("LinPar5"), 3960, 3105, 120, 3105, grigio)
           << Linea(cliente, QStringLiteral("LinPar4"), 3960, 3120, 120, 3120, bianco)
           << Linea(cliente, QStringLiteral("LinPar1"), 4095, 120, 4095, 5280, bianco)
           << Linea(cliente, QStringLiteral("LinPar0"), 4080, 120, 4080, 5280, grigio)
           << Linea(cliente, QStringLiteral("LinPar2"), 2295, 3120, 2295, 5280, bianco) << display_
           << Linea(cliente, QStringLiteral("LinPar3"), 2280, 3120, 2280, 5280, grigio);
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

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    voce(file, "MenuApri", QStringLiteral("Apri NTC"), Qt::CTRL | Qt::Key_F12,
         &MainForm::MenuApri_Click);
    voce(file, "MenuSalva", QStringLiteral("Salva NTC con nome..."), Qt::SHIFT | Qt::Key_F12,
         &MainForm::MenuSalva_Click);
    separatore(file, "MenuNull");
    voce(file, "MenuFine", QStringLiteral("Fine Programma"), Qt::CTRL | Qt::Key_X,
         &MainForm::MenuFine_Click);

    QMenu* modifica = menuBar()->addMenu(QStringLiteral("&Modifica"));
    modifica->setObjectName(QStringLiteral("MenuModifica"));
    voce(modifica, "MenuCopia", QStringLiteral("Copia"), Qt::CTRL | Qt::Key_C,
         &MainForm::MenuCopia_Click);
    voce(modifica, "MenuIncolla", QStringLiteral("Incolla"), Qt::CTRL | Qt::Key_V,
         &MainForm::MenuIncolla_Click);
    separatore(modifica, "MenuNullM0");
    voce(modifica, "MenuInviaCalc", QStringLiteral("Invia alla calcolatrice"), Qt::CTRL | Qt::Key_I,
         &MainForm::MenuInviaCalc_Click);

    QMenu* aiuto = menuBar()->addMenu(QStringLiteral("&?"));
    aiuto->setObjectName(QStringLiteral("MenuAbout0"));
    voce(aiuto, "MenuAbout", QStringLiteral("Informazioni su..."), Qt::Key_F1,
         &MainForm::MenuAbout_Click);
}
