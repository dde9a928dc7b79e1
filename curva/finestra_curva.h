#pragma once

#include "calcoli/formato_tabella.h"
#include "calcoli/griglia.h"
#include "calcoli/partitore_adc.h"
#include "curva/grafico_curva.h"
#include "modelli/esito.h"
#include "modelli/modello_tabella.h"
#include "modelli/registro_modelli.h"

#include <QLocale>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ModelloRighe;
class PannelloAdattamento;
class PannelloConfronto;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabWidget;
class QTableView;
class VistaProgetto;

// The curve window: a model typed in fields or fitted, its R–T curve on a log axis beside
// other models and makers' tables, its error against a maker's table with a tolerance
// band, what a divider and an ADC make of it, its table for spreadsheets and firmware, and
// the design of the divider that reads it.
class FinestraCurva : public QMainWindow {
    Q_OBJECT
public:
    // The fields beside the model's coefficients, in the order of the form.
    enum Campo {
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
    // The model kinds of the registry, by their index, and after them the maker's table.
    static constexpr std::size_t TIPO_TABELLA = NUMERO_TIPI;

    explicit FinestraCurva(const QLocale& regione, QWidget* genitore = nullptr);
    ~FinestraCurva() override;

    QLineEdit* Casella(Campo campo) const { return txtCampi_.at(campo); }
    // The field of a kind's coefficient, by the registry's indices.
    QLineEdit* Coefficiente(std::size_t tipo, std::size_t coefficiente) const {
        return txtCoefficienti_.at(tipo).at(coefficiente);
    }
    // Where a temperature is typed for the cursor to go to.
    QLineEdit* CasellaCursore() const { return txtCursore_; }
    void ScegliTipo(std::size_t tipo);
    GraficoCurva* GraficoDellaCurva() const { return grfCurva_; }
    GraficoCurva* GraficoDellErrore() const { return grfErrore_; }
    // The divider view's two plots: volts (and ADC counts), and kelvin per count.
    GraficoCurva* GraficoDellaTensione() const { return grfTensione_; }
    GraficoCurva* GraficoDellaRisoluzione() const { return grfRisoluzione_; }
    QWidget* VistaPartitore() const { return pagPartitore_; }
    QTableView* TabellaRighe() const { return tblRighe_; }
    PannelloAdattamento* Adattamento() const { return pnlAdattamento_; }
    PannelloConfronto* Confronto() const { return pnlConfronto_; }
    ModelloRighe* Righe() const { return modRighe_; }
    VistaProgetto* VistaDelProgetto() const { return vstProgetto_; }
    QString Stato() const;
    // A field's number by the region's rules; empty when it is not one.
    std::optional<double> Numero(Campo campo) const;
    std::optional<double> Numero(const QLineEdit* campo) const;
    // Shows a view and gives it the keyboard.
    void MostraVista(QWidget* vista);

    // Each returns an empty text when done, else what went wrong, in Italian.
    QString ApriTabellaCostruttore(const QString& percorso);
    QString LeggiPuntiDaCsv(const QString& percorso);
    QString EsportaTabella(const FormatoTabella& formato, const QString& percorso);
    QString EsportaImmagine(const QString& percorso);
    // The bytes of an export, as brevanto-ntc tabella writes them.
    Esito<std::string> TestoEsportazione(const FormatoTabella& formato) const;

    // .ntc parameter files, through the calculator's private-profile layer.
    QString ApriParametri(const QString& percorso);
    QString SalvaParametri(const QString& percorso);

    // Puts a model's parameters into the fields and redraws.
    void MettiParametri(const ParametriModello& parametri);

    // The curves drawn for comparison: the fields' model as it is now, a maker's table.
    QString AggiungiModelloAlConfronto();
    QString AggiungiTabellaAlConfronto(const QString& percorso);

    // Builds the model, grid and divider from the fields, and redraws every view.
    void Ricalcola();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // Menu and button handlers, connected by pointer to member.
    void ChiediApriParametri();
    void ChiediSalvaParametri();
    void ChiediApriTabella();
    void ChiediLeggiPunti();
    void ChiediEsportaPng();
    void ChiediEsportaSvg();
    void ChiediAggiungiModello();
    void ChiediAggiungiTabella();
    void CopiaTabella();
    void CopiaLettura();
    void VaiATemperatura();
    void MostraInformazioni();

    // A curve as the views draw and read it: the window's own model, its maker's table,
    // or one of the comparison's.
    struct CurvaMostrata {
        QString nome;
        QColor colore;
        const ModelloNTC* modello = nullptr;
        const std::vector<PuntoRT>* righe = nullptr; // a table's rows, drawn as markers
    };
    struct Tolleranze {
        double r25 = 0;
        double b = 0;
    };

    void CreaMenu();
    QWidget* CreaModulo();
    QWidget* CreaViste();
    void OrdinaTab();
    void ImpostaDimensione();
    QString ChiediPercorso(const QString& titolo, const QString& filtro, bool salva,
                           const QString& estensione);
    void ChiediEsportazione(const FormatoTabella& formato, const QString& titolo);
    void Avvisa(const QString& titolo, const QString& errore);
    Esito<ParametriModello> ParametriDaiCampi() const;
    Esito<std::unique_ptr<ModelloNTC>> ModelloDaiCampi() const;
    Esito<std::optional<PartitoreADC>> PartitoreDaiCampi() const;
    Esito<Griglia> GrigliaDaiCampi() const;
    Esito<Tolleranze> TolleranzeDaiCampi() const;
    QString NomeCampo(Campo campo) const;
    QString NomeModello() const;
    std::vector<CurvaMostrata> CurveMostrate() const;
    std::vector<double> Temperature() const;
    void AggiornaCurva();
    void AggiornaErrore();
    void AggiornaPartitore();
    void MostraMessaggio(const QString& testo);
    GraficoCurva::LetturaCursore LetturaCurva(double temperatura) const;
    GraficoCurva::LetturaCursore LetturaErrore(double temperatura) const;
    GraficoCurva::LetturaCursore LetturaTensione(double temperatura) const;
    GraficoCurva::LetturaCursore LetturaRisoluzione(double temperatura) const;
    GraficoCurva* GraficoMostrato() const;
    void SeguiCursore(double temperatura);
    void MostraStato(const QString& testo);

    QLocale regione_;
    std::array<QLineEdit*, NumeroCampi> txtCampi_{};
    std::array<std::vector<QLineEdit*>, NUMERO_TIPI> txtCoefficienti_{};
    QLineEdit* txtCursore_ = nullptr;
    QComboBox* cmbTipo_ = nullptr;
    QComboBox* cmbVerso_ = nullptr;
    QStackedWidget* stkParametri_ = nullptr;
    QLabel* lblTabella_ = nullptr;
    QLabel* lblStato_ = nullptr;
    QTabWidget* tabViste_ = nullptr;
    GraficoCurva* grfCurva_ = nullptr;
    GraficoCurva* grfErrore_ = nullptr;
    GraficoCurva* grfTensione_ = nullptr;
    GraficoCurva* grfRisoluzione_ = nullptr;
    QWidget* pagPartitore_ = nullptr;
    QTableView* tblRighe_ = nullptr;
    ModelloRighe* modRighe_ = nullptr;
    PannelloAdattamento* pnlAdattamento_ = nullptr;
    VistaProgetto* vstProgetto_ = nullptr;
    PannelloConfronto* pnlConfronto_ = nullptr;

    std::unique_ptr<ModelloNTC> modello_;
    std::optional<ModelloTabella> tabellaCostruttore_;
    QString nomeTabella_;
    std::optional<Griglia> griglia_;
    std::optional<PartitoreADC> adc_;
    std::optional<Tolleranze> tolleranze_;
    QString etichettaCursore_;
};
