#pragma once

#include "calcoli/progetto.h"
#include "modelli/esito.h"

#include <QLocale>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

class GraficoProgetto;
class ModelloCandidati;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

// The curve window's fields the design reads: the divider's and the part's tolerances. A
// picked candidate goes into the series resistor's.
struct CampiProgetto {
    QLineEdit* rSerie = nullptr;
    QLineEdit* riferimento = nullptr;
    QLineEdit* bit = nullptr;
    QComboBox* verso = nullptr;
    QLineEdit* tolleranzaR25 = nullptr;
    QLineEdit* tolleranzaB = nullptr;
};

// The "Progetto" view: the series resistor ranked from a series of preferred values, and
// for the divider's resistor (or the best one, when the divider has none) the counts, the
// K per count and the error budget stacked by contribution against temperature.
class VistaProgetto : public QWidget {
    Q_OBJECT
public:
    // The view's own fields, beside the window's.
    enum Campo {
        CampoTemperatura, // the criterion's, for "a una temperatura"
        CampoTolleranzaSerie,
        CampoErroreAdc,
        CampoRiferimentoSeparato, // empty: a ratiometric reading
        CampoDissipazione,        // empty: self-heating not counted
        NumeroCampi
    };

    VistaProgetto(const QLocale& regione, const CampiProgetto& campi, QWidget* genitore = nullptr);
    ~VistaProgetto() override;

    // The window's model and range, after any change: the design is prepared at once and
    // chosen and drawn when the view is shown.
    void Aggiorna(const ModelloNTC& modello, const Griglia& griglia);
    // No design: why, in place of the table and plots.
    void MostraMessaggio(const QString& messaggio);

    QLineEdit* Casella(Campo campo) const { return txtCampi_.at(campo); }
    QComboBox* SceltaSerie() const { return cmbSerie_; }
    QComboBox* SceltaCriterio() const { return cmbCriterio_; }
    QTableView* TabellaCandidati() const { return tblCandidati_; }
    ModelloCandidati* Candidati() const { return modCandidati_; }
    GraficoProgetto* GraficoConteggi() const { return grfConteggi_; }
    GraficoProgetto* GraficoRisoluzione() const { return grfRisoluzione_; }
    GraficoProgetto* GraficoBilancio() const { return grfBilancio_; }
    QString Nota() const;
    // The series resistor of the plots and the budget: the divider's, else the best.
    std::optional<double> ResistenzaMostrata() const { return rMostrata_; }

    // The candidates and the budget as tab-separated text in the region's format, and as
    // the CSV brevanto-ntc progetto writes (";" and a decimal comma in comma regions).
    QString TestoCandidati() const;
    QString TestoBilancio() const;
    Esito<std::string> CsvCandidati() const;
    Esito<std::string> CsvBilancio() const;
    // Empty when written, else why not.
    QString EsportaCsv(bool bilancio, const QString& percorso) const;

    // Puts a row's series resistor into the divider's field.
    void ScegliCandidato(int riga);

signals:
    // The view's fields changed, or the divider's took a candidate: the window builds its
    // model again and calls Aggiorna.
    void Cambiata();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Esito<RichiestaProgetto> RichiestaDaiCampi(const Griglia& griglia) const;
    void Calcola();
    void Disegna();
    void ChiediEsportazione(bool bilancio);

    QLocale regione_;
    CampiProgetto campi_;
    std::array<QLineEdit*, NumeroCampi> txtCampi_{};
    QComboBox* cmbSerie_ = nullptr;
    QComboBox* cmbCriterio_ = nullptr;
    QLabel* lblNota_ = nullptr;
    QTableView* tblCandidati_ = nullptr;
    ModelloCandidati* modCandidati_ = nullptr;
    GraficoProgetto* grfConteggi_ = nullptr;
    GraficoProgetto* grfRisoluzione_ = nullptr;
    GraficoProgetto* grfBilancio_ = nullptr;

    std::optional<Progetto> progetto_;
    bool daScegliere_ = false; // prepared, not yet chosen: the view was hidden
    std::optional<SceltaResistenza> scelta_;
    std::optional<double> rMostrata_;
    std::vector<RigaProgetto> bilancio_;
    bool riempiendo_ = false; // the table being filled: a selection is not a pick
};
