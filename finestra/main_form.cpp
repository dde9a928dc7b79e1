// The main window's life: creation, the load step, activation and exit.
#include "finestra/main_form.h"

#include "core/parametri_ntc.h"
#include "dialoghi/dialogo_comune.h"
#include "informazioni/frm_about.h"
#include "risorse/primo_fotogramma.h"
#include "risorse/risorse.h"
#include "scambio/invia_calcolatrice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QWindow>

MainForm::MainForm(const Regione& regione, Servizi servizi)
    : regione_(regione),
      inviaCalcolatrice_(new InviaCalcolatrice(std::move(servizi.calcolatrice), regione_, this)),
      sceltaFile_(std::move(servizi.sceltaFile)),
      comDialog_(std::make_unique<DialogoComune>(*sceltaFile_)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Brevanto"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    // The keys give the window itself the focus, but neither Tab nor a click on the menu
    // bar or a label does: after the picture box comes "R0" again, and a menu opened with
    // the mouse leaves the focus where it was.
    setFocusPolicy(Qt::NoFocus);
    CostruisciControlli();
    CostruisciMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &MainForm::AttivazioneCambiata);
    connect(inviaCalcolatrice_, &InviaCalcolatrice::Concluso, this,
            &MainForm::InvioCalcolatriceConcluso);

    // The icon is no part of the first frame: its four sizes are decoded once that frame is
    // on screen, and the window system takes the icon just as well a moment after.
    DopoIlPrimoFotogramma(this, [this] { setWindowIcon(CreaIconaLibro()); });

    // Load: the parameters start not set and the history holds their summary.
    AzzeraParametri(ParametriCorrenti());
    MostraParametri(SVUOTA_PRIMA);
}

MainForm::~MainForm() = default;

QString MainForm::Registro() const {
    return display_->text();
}

void MainForm::ImpostaRegistro(const QString& testo) {
    display_->setText(testo);
    // A label's text reaches a screen reader only through its name, and renaming it is what
    // the reader is told about: setAccessibleName sends NameChanged, even for the same name.
    const QString nome = tr("Registro: %1").arg(testo);
    if (display_->accessibleName() != nome) {
        display_->setAccessibleName(nome);
    }
}

void MainForm::AttivazioneCambiata(QWindow* finestra) {
    // A menu belongs to this window: opening and closing one leaves the focus where it was.
    if (finestra != nullptr && finestra->type() == Qt::Popup) {
        return;
    }
    // Coming back from another application does not move the focus; coming back from
    // another window of the program, or the first showing, does.
    QWindow* const precedente = finestraPrecedente_;
    finestraPrecedente_ = finestra;
    if (finestra == nullptr || finestra != windowHandle()) {
        return;
    }
    if (!giaAttivata_ || (precedente != nullptr && precedente != finestra)) {
        giaAttivata_ = true;
        setFocus();
    }
}

void MainForm::closeEvent(QCloseEvent* evento) {
    // The About window holds the program while it is shown; the frame of the disabled
    // main window must not end it behind the About window's back.
    if (frmAbout_ && frmAbout_->isVisible()) {
        evento->ignore();
        return;
    }
    QMainWindow::closeEvent(evento);
}

void MainForm::MenuFine_Click() {
    // Ends at once: no window gets a close request, nothing asks or is saved.
    QCoreApplication::exit(0);
}

void MainForm::MenuAbout_Click() {
    if (!frmAbout_) {
        frmAbout_ = std::make_unique<Frm_About>(this);
    }
    frmAbout_->Apri();
}
