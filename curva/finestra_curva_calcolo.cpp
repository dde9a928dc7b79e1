#include "curva/campi_regione.h"
#include "curva/finestra_curva.h"
#include "curva/grafico_curva.h"
#include "curva/griglia.h"
#include "curva/modello_righe.h"
#include "curva/righe_tabella.h"
#include "modelli/modello_beta.h"
#include "modelli/modello_esteso.h"
#include "modelli/modello_steinhart_hart.h"
#include "modelli/tolleranza.h"

#include <QComboBox>
#include <QLineEdit>

#include <cmath>
#include <variant>

namespace {

constexpr double PERCENTO = 100;
constexpr int CIFRE_LETTURA = 6;
constexpr int BIT_MASSIMI = 31;

using EsitoModello = Esito<std::unique_ptr<ModelloNTC>>;

} // namespace

std::optional<double> FinestraCurva::Numero(Campo campo) const {
    return LeggiCampo(regione_, txtCampi_.at(campo)->text());
}

Esito<ParametriModello> FinestraCurva::ParametriDaiCampi() const {
    const auto tipo = static_cast<TipoModello>(cmbTipo_->currentIndex());
    if (tipo == TipoModello::Tabella) {
        return Esito<ParametriModello>::Errore("una tabella del costruttore non ha parametri");
    }
    const std::array<std::pair<int, int>, 3> campi{
        {{CampoR0, CampoA}, {CampoA, CampoA1}, {CampoA1, CampoInizio}}};
    const auto [primo, dopoUltimo] = campi.at(static_cast<size_t>(tipo));
    std::array<double, 5> v{};
    for (int i = primo; i < dopoUltimo; ++i) {
        const auto numero = Numero(static_cast<Campo>(i));
        if (!numero) {
            return Esito<ParametriModello>::Errore(
                txtCampi_.at(static_cast<size_t>(i))->accessibleName().toStdString() +
                ": non è un numero");
        }
        v.at(static_cast<size_t>(i - primo)) = *numero;
    }
    switch (tipo) {
    case TipoModello::Beta:
        if (v[0] <= 0) {
            return Esito<ParametriModello>::Errore("R0 deve essere positivo");
        }
        return ParametriModello(ParametriBeta{v[0], v[1], v[2]});
    case TipoModello::SteinhartHart:
        return ParametriModello(ParametriSteinhartHart{v[0], v[1], v[2]});
    default:
        if (v[4] <= 0) {
            return Esito<ParametriModello>::Errore("Rrif deve essere positiva");
        }
        return ParametriModello(ParametriEsteso{v[0], v[1], v[2], v[3], v[4]});
    }
}

EsitoModello FinestraCurva::ModelloDaiCampi() const {
    if (static_cast<TipoModello>(cmbTipo_->currentIndex()) == TipoModello::Tabella) {
        if (!tabellaCostruttore_) {
            return EsitoModello::Errore("nessuna tabella del costruttore caricata");
        }
        return std::unique_ptr<ModelloNTC>(std::make_unique<ModelloTabella>(*tabellaCostruttore_));
    }
    const auto parametri = ParametriDaiCampi();
    if (!parametri.Riuscito()) {
        return EsitoModello::Errore(parametri.Motivo());
    }
    return CreaModello(parametri.Valore());
}

Esito<std::optional<PartitoreADC>> FinestraCurva::PartitoreDaiCampi() const {
    using EsitoPartitore = Esito<std::optional<PartitoreADC>>;
    if (txtCampi_[CampoSerie]->text().trimmed().isEmpty()) {
        return std::optional<PartitoreADC>();
    }
    const auto serie = Numero(CampoSerie);
    const auto riferimento = Numero(CampoRiferimento);
    const auto bit = Numero(CampoBit);
    if (!serie || !riferimento || *serie <= 0 || *riferimento <= 0) {
        return EsitoPartitore::Errore("R serie e Vref vogliono valori positivi");
    }
    if (!bit || *bit != std::trunc(*bit) || *bit < 1 || *bit > BIT_MASSIMI) {
        return EsitoPartitore::Errore("i bit dell'ADC vanno da 1 a 31");
    }
    PartitoreADC adc;
    adc.partitore.rSerie = *serie;
    adc.partitore.tensioneRif = *riferimento;
    adc.partitore.posizione = cmbVerso_->currentIndex() == 0
                                  ? Partitore::Posizione::VersoMassa
                                  : Partitore::Posizione::VersoAlimentazione;
    adc.bit = static_cast<int>(*bit);
    return std::optional(adc);
}

void FinestraCurva::Ricalcola() {
    modello_.reset();
    temperature_.clear();
    adc_.reset();
    modRighe_->ImpostaRighe({});
    auto modello = ModelloDaiCampi();
    auto griglia = GrigliaTemperature(TestoConPunto(regione_, txtCampi_[CampoInizio]->text()),
                                      TestoConPunto(regione_, txtCampi_[CampoFine]->text()),
                                      TestoConPunto(regione_, txtCampi_[CampoPasso]->text()));
    const auto partitore = PartitoreDaiCampi();
    const std::string motivo = !modello.Riuscito()     ? modello.Motivo()
                               : !griglia.Riuscito()   ? griglia.Motivo()
                               : !partitore.Riuscito() ? partitore.Motivo()
                                                       : std::string();
    if (!motivo.empty()) {
        const QString testo = QString::fromStdString(motivo);
        MostraStato(testo);
        grfCurva_->ImpostaMessaggio(testo);
        grfErrore_->ImpostaMessaggio(testo);
        return;
    }
    modello_ = std::move(modello.Valore());
    temperature_ = std::move(griglia.Valore());
    adc_ = partitore.Valore();

    std::vector<QPointF> curva;
    curva.reserve(temperature_.size());
    for (const double t : temperature_) {
        if (const auto r = modello_->Resistenza(t); r && *r > 0) {
            curva.emplace_back(t, *r);
        }
    }
    if (curva.empty()) {
        grfCurva_->ImpostaMessaggio(
            QStringLiteral("Il modello non dà resistenze nell'intervallo."));
    } else {
        grfCurva_->ImpostaSerie(std::move(curva));
    }
    auto righe = CalcolaRighe(*modello_, temperature_, adc_);
    if (righe.Riuscito()) {
        modRighe_->ImpostaRighe(std::move(righe.Valore()));
        MostraStato(QStringLiteral("%1 righe").arg(modRighe_->rowCount()));
    } else {
        MostraStato(QString::fromStdString(righe.Motivo()));
    }
    AggiornaErrore(temperature_);
}

void FinestraCurva::AggiornaErrore(const std::vector<double>& temperature) {
    if (!tabellaCostruttore_) {
        grfErrore_->ImpostaMessaggio(QStringLiteral(
            "Carica una tabella del costruttore (File ▸ Apri tabella) per vedere l'errore."));
        return;
    }
    const double r25 = Numero(CampoTolleranzaR25).value_or(0);
    const double b = Numero(CampoTolleranzaB).value_or(0);
    std::vector<QPointF> errore;
    std::vector<QPointF> fascia;
    for (const double t : temperature) {
        const auto rTabella = tabellaCostruttore_->Resistenza(t);
        const auto tModello = rTabella ? modello_->Temperatura(*rTabella) : std::nullopt;
        if (!tModello) {
            continue;
        }
        errore.emplace_back(t, *tModello - t);
        const auto tolleranza = Tolleranza(*modello_, t, r25, b);
        fascia.emplace_back(t, tolleranza ? tolleranza->gradi : 0);
    }
    if (errore.empty()) {
        grfErrore_->ImpostaMessaggio(
            QStringLiteral("L'intervallo non tocca le temperature della tabella."));
        return;
    }
    grfErrore_->ImpostaSerie(std::move(errore), std::move(fascia));
}

QString FinestraCurva::LetturaCurva(double temperatura) const {
    const auto r = modello_ ? modello_->Resistenza(temperatura) : std::nullopt;
    const auto alfa = modello_ ? modello_->DerivataLogaritmica(temperatura) : std::nullopt;
    QString testo = QStringLiteral("T = %1 °C").arg(TestoGradi(regione_, temperatura));
    if (r) {
        testo += QStringLiteral("   R = %1 Ω").arg(TestoCifre(regione_, *r, CIFRE_LETTURA));
    }
    if (alfa) {
        testo += QStringLiteral("   α = %1 %/K").arg(TestoGradi(regione_, *alfa * PERCENTO));
    }
    return testo;
}

QString FinestraCurva::LetturaErrore(double temperatura) const {
    QString testo = QStringLiteral("T = %1 °C").arg(TestoGradi(regione_, temperatura));
    if (!modello_ || !tabellaCostruttore_) {
        return testo;
    }
    const auto rTabella = tabellaCostruttore_->Resistenza(temperatura);
    const auto tModello = rTabella ? modello_->Temperatura(*rTabella) : std::nullopt;
    if (tModello) {
        testo +=
            QStringLiteral("   errore = %1 K").arg(TestoGradi(regione_, *tModello - temperatura));
    }
    const auto tolleranza =
        Tolleranza(*modello_, temperatura, Numero(CampoTolleranzaR25).value_or(0),
                   Numero(CampoTolleranzaB).value_or(0));
    if (tolleranza) {
        testo +=
            QStringLiteral("   tolleranza = ±%1 K").arg(TestoGradi(regione_, tolleranza->gradi));
    }
    return testo;
}

void FinestraCurva::UsaModello(const ModelloAdattato& modello) {
    MettiParametri(modello.parametri);
}

void FinestraCurva::MettiParametri(const ParametriModello& parametri) {
    const auto metti = [this](Campo campo, double valore) {
        txtCampi_.at(campo)->setText(TestoCampo(regione_, valore));
    };
    if (const auto* beta = std::get_if<ParametriBeta>(&parametri)) {
        metti(CampoR0, beta->R0);
        metti(CampoB, beta->B);
        metti(CampoT0, beta->T0);
        ScegliTipo(TipoModello::Beta);
    } else if (const auto* sh = std::get_if<ParametriSteinhartHart>(&parametri)) {
        metti(CampoA, sh->A);
        metti(CampoBSteinhartHart, sh->B);
        metti(CampoC, sh->C);
        ScegliTipo(TipoModello::SteinhartHart);
    } else {
        const auto& esteso = std::get<ParametriEsteso>(parametri);
        metti(CampoA1, esteso.A1);
        metti(CampoB1, esteso.B1);
        metti(CampoC1, esteso.C1);
        metti(CampoD1, esteso.D1);
        metti(CampoRrif, esteso.Rrif);
        ScegliTipo(TipoModello::Esteso);
    }
    Ricalcola();
}
