#include "informazioni/frm_about.h"

#include "informazioni/componi_versione.h"
#include "informazioni/informazioni_prodotto.h"
#include "risorse/aspetto.h"
#include "risorse/risorse.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QWindow>

namespace {

const QColor BLU_SCURO(0, 0, 128);

// The program substitutes Arial's metric twin where Arial is missing.
QFont Arial(qreal punti, bool grassetto) {
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPointSizeF(punti);
    carattere.setBold(grassetto);
    return carattere;
}

QLabel* CreaEtichetta(QWidget* finestra, const char* nome, QRect posizione, const QColor& colore,
                      const QFont& carattere, Qt::Alignment allineamento) {
    auto* etichetta = new QLabel(finestra);
    etichetta->setObjectName(QString::fromLatin1(nome));
    etichetta->setGeometry(posizione);
    etichetta->setFont(carattere);
    etichetta->setAlignment(allineamento);
    QPalette tavolozza = etichetta->palette();
    tavolozza.setColor(QPalette::WindowText, colore);
    etichetta->setPalette(tavolozza);
    return etichetta;
}

} // namespace

Frm_About::Frm_About(QWidget* finestraPrincipale)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      finestraPrincipale_(finestraPrincipale), indirizzo_(LeggiInformazioniProdotto().email) {
    setObjectName(QStringLiteral("Frm_About"));
    setWindowTitle(tr("Informazioni su..."));
    setWindowIcon(CreaIconaInformazioni());
    setFixedSize(413, 219);
    // A hidden About window must not keep the program alive, nor a shown one stop it ending.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Modal for the whole program, so that a window manager keeps it in front of the
    // disabled main window, with the keyboard, whatever the user clicks.
    setWindowModality(Qt::ApplicationModal);
    CreaControlli();
}

// Qt stacks later siblings above earlier ones, so the controls are made from the
// bottom up: the banner first, "OK" last, the address label above its hover area.
void Frm_About::CreaControlli() {
    imgLogo_ = new QLabel(this);
    imgLogo_->setObjectName(QStringLiteral("Img_Logo"));
    imgLogo_->setGeometry(RettangoloTwip(0, 0, 6195, 1155));
    imgLogo_->setPixmap(CaricaImmagine(QString::fromLatin1(PERCORSO_LOGO), devicePixelRatioF()));

    const Qt::Alignment centrato = Qt::AlignHCenter | Qt::AlignTop;
    lblProductName_ = CreaEtichetta(this, "lblProductName", RettangoloTwip(0, 120, 6135, 735),
                                    Qt::white, Arial(24, true), centrato);
    lblVersion_ = CreaEtichetta(this, "lblVersion", RettangoloTwip(0, 720, 6210, 240), Qt::white,
                                Arial(8.25, true), centrato);
    labCopy_ = CreaEtichetta(this, "Lab_copy", RettangoloTwip(0, 1275, 6255, 285), BLU_SCURO,
                             Arial(9.75, true), centrato);
    labWarning_ = CreaEtichetta(this, "Lab_Warning", RettangoloTwip(120, 1920, 4335, 975),
                                BLU_SCURO, Arial(8.25, false), Qt::AlignLeft | Qt::AlignTop);
    labWarning_->setWordWrap(true);

    CreaLinea(this, QStringLiteral("Line1_0"), 120, 1635, 6075, 1635, QColor(128, 128, 128));
    CreaLinea(this, QStringLiteral("Line1_1"), 120, 1650, 6075, 1650, Qt::white);

    imgEMail_ = new QLabel(this);
    imgEMail_->setObjectName(QStringLiteral("Img_EMail"));
    imgEMail_->setGeometry(RettangoloTwip(0, 2640, 4575, 615));
    imgEMail_->setMouseTracking(true);
    imgEMail_->installEventFilter(this);

    labEMail_ = CreaEtichetta(this, "Lab_EMail", RettangoloTwip(120, 3000, 2415, 210), BLU_SCURO,
                              Arial(8.25, false), Qt::AlignLeft | Qt::AlignTop);
    labEMail_->setText(indirizzo_);
    labEMail_->adjustSize();
    labEMail_->setMouseTracking(true);
    labEMail_->installEventFilter(this);

    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(RettangoloTwip(4800, 2850, 1260, 345));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &Frm_About::Chiudi);
}

void Frm_About::CaricaTesti() {
    const InformazioniProdotto informazioni = LeggiInformazioniProdotto();
    lblVersion_->setText(
        ComponiVersione(informazioni.maggiore, informazioni.minore, informazioni.revisione));
    lblProductName_->setText(informazioni.nome);
    labCopy_->setText(informazioni.copyright);
    labWarning_->setText(informazioni.avviso);
}

void Frm_About::Apri() {
    finestraPrincipale_->setEnabled(false);
    if (!caricata_) {
        CaricaTesti();
        caricata_ = true;
    }
    CentraSullaFinestraPrincipale();
    // Owned by the main window's native window, it stays above it and out of the taskbar.
    winId();
    if (QWindow* principale = finestraPrincipale_->window()->windowHandle()) {
        windowHandle()->setTransientParent(principale);
    }
    show();
    raise();
    activateWindow();
    repaint();
    cmdOK_->setFocus();
}

// Before the first showing the frame is not known yet; the main window's frame
// is the best estimate of its size.
void Frm_About::CentraSullaFinestraPrincipale() {
    const QWidget* principale = finestraPrincipale_->window();
    QSize esterno = frameGeometry().size();
    if (esterno == size()) {
        esterno += principale->frameGeometry().size() - principale->size();
    }
    QRect area(QPoint(), esterno);
    area.moveCenter(principale->frameGeometry().center());
    move(area.topLeft());
}

void Frm_About::Chiudi() {
    hide();
    finestraPrincipale_->setEnabled(true);
    finestraPrincipale_->activateWindow();
    finestraPrincipale_->setFocus();
    finestraPrincipale_->repaint();
}

// The frame's close button, the system menu and Alt+F4 only hide the window, like "OK".
void Frm_About::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    if (isVisible()) {
        Chiudi();
    }
}

// "OK" is both the default and the cancel button.
void Frm_About::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        Chiudi();
        break;
    default:
        QWidget::keyPressEvent(evento);
    }
}

// Moving onto the address underlines it; moving onto the area around it, which
// lies below the label, removes the underline. Nothing else resets it.
bool Frm_About::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        if (oggetto == labEMail_) {
            SottolineaEMail(true);
        } else if (oggetto == imgEMail_) {
            SottolineaEMail(false);
        }
    } else if (evento->type() == QEvent::MouseButtonRelease && oggetto == labEMail_) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        if (mouse->button() == Qt::LeftButton &&
            labEMail_->rect().contains(mouse->position().toPoint())) {
            InviaEMail();
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

void Frm_About::SottolineaEMail(bool sottolineato) {
    QFont carattere = labEMail_->font();
    carattere.setUnderline(sottolineato);
    labEMail_->setFont(carattere);
    labEMail_->repaint();
}

// The mail program's answer is not awaited; with none registered nothing happens.
void Frm_About::InviaEMail() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + indirizzo_));
}
