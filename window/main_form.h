#pragma once

#include "core/regione.h"
#include "mappa_tasti.h"

#include <QMainWindow>
#include <QVector>

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
    QWindow* finestraPrecedente_ = nullptr;
    bool giaAttivata_ = false;
};
