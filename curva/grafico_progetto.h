#pragma once

#include <QColor>
#include <QLocale>
#include <QString>
#include <QWidget>

#include <vector>

// The design view's plots against temperature: lines, and areas stacked one on another
// from zero (the error budget, one area per contribution), with a legend beside them.
class GraficoProgetto : public QWidget {
    Q_OBJECT
public:
    struct Serie {
        QString nome;
        QColor colore;
        std::vector<double> valori; // one per x
    };

    GraficoProgetto(const QLocale& regione, const QString& titoloY, QWidget* genitore = nullptr);

    // x rising; each series as long as x. An empty x shows the message instead.
    void ImpostaDati(std::vector<double> x, std::vector<Serie> strati, std::vector<Serie> linee);
    void ImpostaMessaggio(const QString& messaggio);

    const std::vector<double>& X() const { return x_; }
    const std::vector<Serie>& Strati() const { return strati_; }
    const std::vector<Serie>& Linee() const { return linee_; }
    const QString& Messaggio() const { return messaggio_; }

    // The whole picture at a size, for the screen and for files.
    void Disegna(QPainter& pittore, QSize dimensione) const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QLocale regione_;
    QString titoloY_;
    std::vector<double> x_;
    std::vector<Serie> strati_;
    std::vector<Serie> linee_;
    QString messaggio_;
};
