#pragma once

#include "core/regione.h"
#include "finestra/mappa_tasti.h"
#include "finestra/righe_storico.h"
#include "finestra/servizi.h"

#include <QMainWindow>
#include <QVector>
#include <memory>

class DialogoComune;
class Frm_About;
class InviaCalcolatrice;
class QLabel;
class ListaStorico;
class QPushButton;
class QWidget;
class QWindow;

// The calculator's main window: the entry register, the keypad, the parameter and
// conversion buttons, the history list and the menus. Tests drive it through its
// controls, keys and menu actions, found by their object names.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    MainForm(const Regione& regione, Servizi servizi);
    ~MainForm() override;

protected:
    void closeEvent(QCloseEvent* evento) override;
    // Runs the keyboard map on every key meant for a widget of this window.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // The entry register: the text of Display.
    QString Registro() const;
    void ImpostaRegistro(const QString& testo);

    // One click handler per button array; keys call the same handlers.
    void Cmd_Tasto_Click(qint16 indice);
    void Cmd_Par_Click(qint16 indice);
    void Cmd_Operazione_Click(qint16 indice);
    void Esegui(const Comando& comando);

    // The history list. MostraParametri's flag: empty the list first, or append the summary.
    static constexpr qint16 SVUOTA_PRIMA = -1;
    static constexpr qint16 IN_CODA = 0;
    void MostraParametri(qint16 flag);
    void ScriviStorico(const RigaStorico& riga);

    void MenuApri_Click();
    void MenuSalva_Click();
    void MenuFine_Click();
    void MenuAbout_Click();
    void MenuCopia_Click();
    void MenuIncolla_Click();
    void MenuInviaCalc_Click();
    void InvioCalcolatriceConcluso(bool consegnato);

    void AttivazioneCambiata(QWindow* finestra);
    void CostruisciControlli();
    void CostruisciMenu();

    const Regione regione_;
    InviaCalcolatrice* inviaCalcolatrice_;
    std::unique_ptr<SceltaFile> sceltaFile_;
    std::unique_ptr<DialogoComune> comDialog_; // keeps the last file name between uses
    QLabel* display_ = nullptr;
    ListaStorico* lstStorico_ = nullptr;
    QVector<QPushButton*> cmdTasto_;
    QVector<QPushButton*> cmdPar_;
    QVector<QPushButton*> cmdOperazione_;
    std::unique_ptr<Frm_About> frmAbout_; // created on first use, then only hidden
    QWindow* finestraPrecedente_ = nullptr;
    bool giaAttivata_ = false;
};
