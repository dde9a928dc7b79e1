#pragma once

#include "core/regione.h"
#include "mappa_tasti.h"

#include <QMainWindow>
#include <QVector>
#include <memory>

class Frm_About;
class QLabel;
class ListaStorico;
class QPushButton;
class QWidget;
class QWindow;

// The calculator's main window: the entry register, the keypad, the parameter and
// conversion buttons, the history list and the menus.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(const Regione& regione);
    ~MainForm() override;

    // The entry register: the text of Display.
    QString Registro() const;
    void ImpostaRegistro(const QString& testo);

    // One click handler per button array; keys call the same handlers.
    void Cmd_Tasto_Click(qint16 indice);
    void Cmd_Par_Click(qint16 indice);
    void Cmd_Operazione_Click(qint16 indice);
    void Esegui(const Comando& comando);

    // The history list.
    void MostraParametri(qint16 flag);
    void ScriviStorico(qint16 codice, double valore);

    void MenuFine_Click();
    void MenuAbout_Click();

private:
    void AttivazioneCambiata(QWindow* finestra);
    void CostruisciControlli();
    void CostruisciMenu();

    const Regione regione_;
    QLabel* display_ = nullptr;
    ListaStorico* lstStorico_ = nullptr;
    QVector<QPushButton*> cmdTasto_;
    QVector<QPushButton*> cmdPar_;
    QVector<QPushButton*> cmdOperazione_;
    std::unique_ptr<Frm_About> frmAbout_; // created on first use, then only hidden
    QWindow* finestraPrecedente_ = nullptr;
    bool giaAttivata_ = false;
};
