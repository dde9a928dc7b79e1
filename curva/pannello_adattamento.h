#pragma once

#include "modelli/punto_rt.h"
#include "modelli/registro_modelli.h"

#include <QLocale>
#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// Points typed, pasted or read from a CSV table, the fit of a chosen form through them,
// its residual per point and warnings, and the fitted model offered to the window.
class PannelloAdattamento : public QWidget {
    Q_OBJECT
public:
    explicit PannelloAdattamento(const QLocale& regione, QWidget* genitore = nullptr);

    // Replaces the points; an empty text when they were all read, else the bad lines.
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

signals:
    // The fitted model, when the user takes it (the Beta fallback when offered and C ≤ 0).
    void ModelloScelto(const ParametriModello& parametri);

public slots:
    void Incolla();
    void UsaModello();

private:
    void MostraScarti();

    QLocale regione_;
    QComboBox* cmbForma_;
    QTableWidget* tblPunti_;
    QLabel* lblRisultato_;
    QPushButton* btnUsa_;
    std::optional<AdattamentoModello> risultato_;
};
