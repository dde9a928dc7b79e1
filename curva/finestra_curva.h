#pragma once

#include "modelli/esito.h"
#include "modelli/file_modello.h"
#include "modelli/modello_tabella.h"
#include "ntc/formati.h"
#include "ntc/modello_adattato.h"
#include "ntc/partitore_da_opzioni.h"

#include <QLocale>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <string>

class GraficoCurva;
class ModelloRighe;
class PannelloAdattamento;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabWidget;
class QTableView;

// The curve window: a model typed in fields or fitted, its R–T curve on a log axis, its
// error against a maker's table with a tolerance band, and its table for spreadsheets
// and firmware.
class FinestraCurva : public QMainWindow {
    Q_OBJECT
public:
    // The fields, in the order of the form.
    enum Campo {
        CampoR0,
        CampoB,
        CampoT0,
        CampoA,
        CampoBSteinhartHart,
        CampoC,
        CampoA1,
        CampoB1,
        CampoC1,
        CampoD1,
        CampoRrif,
        CampoInizio,
        CampoFine,
        CampoPasso,
        CampoSerie,
        CampoRiferimento,
        CampoBit,
        CampoTolleranzaR25,
        CampoTolleranzaB,
        NumeroCampi
    };
    enum class TipoModello { Beta, SteinhartHart, Esteso, Tabella };
    // The table exports of the menu, in its order.
    enum Esportazione {
        EsportaCsv,
        EsportaJson,
        EsportaC,
        EsportaMarlin,
        EsportaKlipper,
        EsportaEsphome,
        NumeroEsportazioni
    };

    explicit FinestraCurva(const QLocale& regione, QWidget* genitore = nullptr);
    ~FinestraCurva() override;

    QLineEdit* Casella(Campo campo) const { return txtCampi_.at(campo); }
    void ScegliTipo(TipoModello tipo);
    GraficoCurva* GraficoDellaCurva() const { return grfCurva_; }
    GraficoCurva* GraficoDellErrore() const { return grfErrore_; }
    PannelloAdattamento* Adattamento() const { return pnlAdattamento_; }
    ModelloRighe* Righe() const { return modRighe_; }
    QString Stato() const;
    // A field's number by the region's rules; empty when it is not one.
    std::optional<double> Numero(Campo campo) const;

    // Each returns an empty text when done, else what went wrong, in Italian.
    QString ApriTabellaCostruttore(const QString& percorso);
    QString LeggiPuntiDaCsv(const QString& percorso);
    QString EsportaTabella(Esportazione esportazione, const QString& percorso);
    QString EsportaImmagine(const QString& percorso);
    // The bytes of an export, as brevanto-ntc tabella writes them.
    Esito<std::string> TestoEsportazione(Esportazione esportazione) const;

    // .ntc parameter files, through the calculator's private-profile layer.
    QString ApriParametri(const QString& percorso);
    QString SalvaParametri(const QString& percorso);

    // Puts a fitted model into the fields.
    void UsaModello(const ModelloAdattato& modello);
    void MettiParametri(const ParametriModello& parametri);

    // Builds the model, grid and divider from the fields, and redraws every view.
    void Ricalcola();

private:
    void CreaMenu();
    QWidget* CreaModulo();
    Esito<ParametriModello> ParametriDaiCampi() const;
    Esito<std::unique_ptr<ModelloNTC>> ModelloDaiCampi() const;
    Esito<std::optional<PartitoreADC>> PartitoreDaiCampi() const;
    void AggiornaErrore(const std::vector<double>& temperature);
    QString LetturaCurva(double temperatura) const;
    QString LetturaErrore(double temperatura) const;
    void MostraStato(const QString& testo);
    // Menu handlers: one for each array of actions, dispatching on the index.
    void EseguiFile(int indice);
    void EseguiEsportazione(int indice);
    void EseguiVista(int indice);

    QLocale regione_;
    std::array<QLineEdit*, NumeroCampi> txtCampi_{};
    QComboBox* cmbTipo_ = nullptr;
    QComboBox* cmbVerso_ = nullptr;
    QStackedWidget* stkParametri_ = nullptr;
    QLabel* lblTabella_ = nullptr;
    QLabel* lblStato_ = nullptr;
    QTabWidget* tabViste_ = nullptr;
    GraficoCurva* grfCurva_ = nullptr;
    GraficoCurva* grfErrore_ = nullptr;
    QTableView* tblRighe_ = nullptr;
    ModelloRighe* modRighe_ = nullptr;
    PannelloAdattamento* pnlAdattamento_ = nullptr;

    std::unique_ptr<ModelloNTC> modello_;
    std::optional<ModelloTabella> tabellaCostruttore_;
    std::vector<double> temperature_;
    std::optional<PartitoreADC> adc_;
};
