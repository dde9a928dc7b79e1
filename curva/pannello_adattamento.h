#pragma once

#include "curva/punti_incollati.h"
#include "modelli/punto_rt.h"
#include "modelli/registro_modelli.h"

#include <QLocale>
#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class TabellaPunti;

// Points typed, pasted or read from a CSV table, the fit of a chosen form through them,
// its residual per point and warnings, and the fitted model offered to the window.
class PannelloAdattamento : public QWidget {
    Q_OBJECT
public:
    explicit PannelloAdattamento(const QLocale& regione, QWidget* genitore = nullptr);

    // The labels that want a mnemonic, and their mnemonics among the keys not reserved.
    static QStringList EtichetteMnemoniche();
    void ImpostaMnemonici(const QString& riservati);
    // Its controls in the order Tab goes through them.
    std::vector<QWidget*> Controlli() const;

    // Replaces the points; an empty text when they were all read, else the bad lines. A
    // paste that could be read two ways says how it was read and offers the other way.
    QString IncollaTesto(const QString& testo);
    void ImpostaPunti(const std::vector<PuntoRT>& punti);
    // The kind to fit, by its index in the registry.
    void ImpostaForma(std::size_t tipo);
    // The points in the table's filled rows; a row that is not a number pair is named.
    std::vector<PuntoRT> Punti(QString& errore) const;
    // Fits the points; the result is shown and kept for UsaModello.
    void Adatta();
    const std::optional<AdattamentoModello>& Risultato() const { return risultato_; }
    QString TestoRisultato() const;
    // How the last paste's numbers were read, when it could have been read otherwise.
    QString LetturaIncollata() const;

signals:
    // The fitted model, when the user takes it (the Beta fallback when offered and C ≤ 0).
    void ModelloScelto(const ParametriModello& parametri);

public slots:
    void Incolla();
    void UsaModello();
    void RimuoviRighe();
    void SvuotaPunti();
    // Reads the last paste again with the other decimal separator.
    void IncollaConLAltraLettura();

private:
    void LeggiIncollato(std::optional<SeparatoreDecimale> separatore);
    void MostraScarti();
    void Dimentica();

    QLocale regione_;
    QComboBox* cmbForma_;
    QLabel* lblForma_;
    TabellaPunti* tblPunti_;
    QLabel* lblLettura_;
    QPushButton* btnAltraLettura_;
    QLabel* lblRisultato_;
    QPushButton* btnIncolla_;
    QPushButton* btnAdatta_;
    QPushButton* btnUsa_;
    std::optional<AdattamentoModello> risultato_;
    QString incollato_;
    SeparatoreDecimale separatore_ = SeparatoreDecimale::Punto;
};
