#pragma once

#include "calcoli/formato_tabella.h"
#include "calcoli/griglia.h"
#include "calcoli/partitore_adc.h"
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

class GraficoCurva;
class ModelloRighe;
class PannelloAdattamento;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTabWidget;
class QTableView;
class VistaProgetto;

// The curve window: a model typed in fields or fitted, its R–T curve on a log axis, its
// error against a maker's table with a tolerance band, its table for spreadsheets and
// firmware, and the design of the divider that reads it.
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
    void ScegliTipo(std::size_t tipo);
    GraficoCurva* GraficoDellaCurva() const { return grfCurva_; }
    GraficoCurva* GraficoDellErrore() const { return grfErrore_; }
    PannelloAdattamento* Adattamento() const { return pnlAdattamento_; }
    ModelloRighe* Righe() const { return modRighe_; }
    VistaProgetto* VistaDelProgetto() const { return vstProgetto_; }
    QString Stato() const;
    // A field's number by the region's rules; empty when it is not one.
    std::optional<double> Numero(Campo campo) const;
    std::optional<double> Numero(const QLineEdit* campo) const;

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

    // Builds the model, grid and divider from the fields, and redraws every view.
    void Ricalcola();

private:
    // Menu commands, connected by pointer to member.
    void ChiediApriParametri();
    void ChiediSalvaParametri();
    void ChiediApriTabella();
    void ChiediLeggiPunti();
    void ChiediEsportaPng();
    void ChiediEsportaSvg();
    void CopiaTabella();
    void MostraInformazioni();

    void CreaMenu();
    QWidget* CreaModulo();
    QString ChiediPercorso(const QString& titolo, const QString& filtro, bool salva,
                           const QString& estensione);
    void ChiediEsportazione(const FormatoTabella& formato, const QString& titolo);
    void MostraVista(QWidget* vista);
    void Avvisa(const QString& titolo, const QString& errore);
    Esito<ParametriModello> ParametriDaiCampi() const;
    Esito<std::unique_ptr<ModelloNTC>> ModelloDaiCampi() const;
    Esito<std::optional<PartitoreADC>> PartitoreDaiCampi() const;
    Esito<Griglia> GrigliaDaiCampi() const;
    void AggiornaErrore();
    QString LetturaCurva(double temperatura) const;
    QString LetturaErrore(double temperatura) const;
    void MostraStato(const QString& testo);

    QLocale regione_;
    std::array<QLineEdit*, NumeroCampi> txtCampi_{};
    std::array<std::vector<QLineEdit*>, NUMERO_TIPI> txtCoefficienti_{};
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
    VistaProgetto* vstProgetto_ = nullptr;

    std::unique_ptr<ModelloNTC> modello_;
    std::optional<ModelloTabella> tabellaCostruttore_;
    std::optional<Griglia> griglia_;
    std::optional<PartitoreADC> adc_;
};
