#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

// The About window. It is a top-level window of its own, so that disabling the
// main window while it is shown leaves it usable: the pair behaves like a modal
// dialog shown modeless. The main window creates it once and keeps it; closing
// only hides it. The main window must delete it, as it has no parent.
class Frm_About : public QWidget {
    Q_OBJECT

public:
    // finestraPrincipale is disabled while this window is shown; it is not the parent.
    explicit Frm_About(QWidget* finestraPrincipale);

    // Disables the main window, shows this window centred over it (filling the
    // texts on the first opening) and gives the focus to "OK".
    void Apri();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void CreaControlli();
    void CaricaTesti();
    void Chiudi();
    void CentraSullaFinestraPrincipale();
    void SottolineaEMail(bool sottolineato);
    void InviaEMail();

    QWidget* finestraPrincipale_;
    QString indirizzo_;
    bool caricata_ = false;

    QLabel* imgLogo_ = nullptr;
    QLabel* lblProductName_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* labCopy_ = nullptr;
    QLabel* labWarning_ = nullptr;
    QLabel* imgEMail_ = nullptr;
    QLabel* labEMail_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};
