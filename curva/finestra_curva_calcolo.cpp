#include "calcoli/righe_tabella.h"
#include "curva/campi_regione.h"
#include "curva/finestra_curva.h"
#include "curva/grafico_curva.h"
#include "curva/modello_righe.h"
#include "curva/vista_progetto.h"
#include "modelli/tolleranza.h"

#include <QComboBox>
#include <QLineEdit>

#include <charconv>
#include <cmath>

namespace {

constexpr double PERCENTO = 100;
constexpr int CIFRE_LETTURA = 6;

using EsitoModello = Esito<std::unique_ptr<ModelloNTC>>;

// A field's text as the grid reads it: the number as typed, with "." as the point.
std::optional<NumeroScritto> NumeroDelCampo(const QLocale& regione, const QString& testo,
                                            std::string& memoria) {
    memoria = TestoConPunto(regione, testo);
    double valore = 0;
    const char* fine = memoria.data() + memoria.size();
    const auto letto = std::from_chars(memoria.data(), fine, valore);
    if (memoria.empty() || letto.ec != std::errc() || letto.ptr != fine || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return NumeroScritto{valore, memoria};
}

} // namespace

std::optional<double> FinestraCurva::Numero(Campo campo) const {
    return Numero(txtCampi_.at(campo));
}

std::optional<double> FinestraCurva::Numero(const QLineEdit* campo) const {
    return LeggiCampo(regione_, campo->text());
}

Esito<ParametriModello> FinestraCurva::ParametriDaiCampi() const {
    const auto tipo = static_cast<std::size_t>(cmbTipo_->currentIndex());
    if (tipo == TIPO_TABELLA) {
        return Esito<ParametriModello>::Errore("una tabella del costruttore non ha parametri");
    }
    std::vector<double> valori;
    for (const QLineEdit* campo : txtCoefficienti_.at(tipo)) {
        const auto numero = Numero(campo);
        if (!numero) {
            return Esito<ParametriModello>::Errore(campo->accessibleName().toStdString() +
                                                   ": non è un numero");
        }
        valori.push_back(*numero);
    }
    ParametriModello parametri = ParametriDaValori(tipo, valori);
    if (const std::string motivo = VerificaParametri(parametri); !motivo.empty()) {
        return Esito<ParametriModello>::Errore(motivo);
    }
    return parametri;
}

Esito<std::unique_ptr<ModelloNTC>> FinestraCurva::ModelloDaiCampi() const {
    if (static_cast<std::size_t>(cmbTipo_->currentIndex()) == TIPO_TABELLA) {
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
    if (!serie || !riferimento || !bit || *bit != std::trunc(*bit)) {
        return EsitoPartitore::Errore("R serie, Vref e i bit dell'ADC vogliono numeri");
    }
    PartitoreADC adc;
    adc.partitore.rSerie = *serie;
    adc.partitore.tensioneRif = *riferimento;
    adc.partitore.posizione = cmbVerso_->currentIndex() == 0
                                  ? Partitore::Posizione::VersoMassa
                                  : Partitore::Posizione::VersoAlimentazione;
    adc.bit = std::fabs(*bit) <= BIT_MASSIMI ? static_cast<int>(*bit) : 0;
    if (const std::string motivo = VerificaPartitore(adc); !motivo.empty()) {
        return EsitoPartitore::Errore(motivo);
    }
    return std::optional(adc);
}

Esito<Griglia> FinestraCurva::GrigliaDaiCampi() const {
    std::array<std::string, 3> testi;
    const auto da = NumeroDelCampo(regione_, txtCampi_[CampoInizio]->text(), testi[0]);
    const auto a = NumeroDelCampo(regione_, txtCampi_[CampoFine]->text(), testi[1]);
    const auto passo = NumeroDelCampo(regione_, txtCampi_[CampoPasso]->text(), testi[2]);
    if (!da || !a || !passo) {
        return Esito<Griglia>::Errore("intervallo non valido");
    }
    const auto griglia = CalcolaGriglia(*da, *a, *passo);
    if (const auto* errore = std::get_if<ErroreGriglia>(&griglia)) {
        return Esito<Griglia>::Errore(TestoErroreGriglia(*errore));
    }
    return std::get<Griglia>(griglia);
}

void FinestraCurva::Ricalcola() {
    modello_.reset();
    griglia_.reset();
    adc_.reset();
    modRighe_->ImpostaRighe({});
    auto modello = ModelloDaiCampi();
    const auto griglia = GrigliaDaiCampi();
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
        vstProgetto_->MostraMessaggio(testo);
        return;
    }
    modello_ = std::move(modello.Valore());
    griglia_ = griglia.Valore();
    adc_ = partitore.Valore();

    std::vector<QPointF> curva;
    curva.reserve(static_cast<size_t>(griglia_->righe));
    for (long i = 0; i < griglia_->righe; ++i) {
        const double t = griglia_->Temperatura(i);
        if (const auto r = modello_->Resistenza(t); r && *r > 0) {
            curva.emplace_back(t, *r);
        }
    }
    if (curva.empty()) {
        grfCurva_->ImpostaMessaggio(tr("Il modello non dà resistenze nell'intervallo."));
    } else {
        grfCurva_->ImpostaSerie(std::move(curva));
    }
    auto righe = CalcolaRighe(*modello_, *griglia_, adc_);
    if (righe.Riuscito()) {
        modRighe_->ImpostaRighe(std::move(righe.Valore()));
        MostraStato(tr("%1 righe").arg(modRighe_->rowCount()));
    } else {
        MostraStato(QString::fromStdString(righe.Motivo()));
    }
    AggiornaErrore();
    vstProgetto_->Aggiorna(*modello_, *griglia_);
}

void FinestraCurva::AggiornaErrore() {
    if (!tabellaCostruttore_) {
        grfErrore_->ImpostaMessaggio(
            tr("Carica una tabella del costruttore (File ▸ Apri tabella) per vedere l'errore."));
        return;
    }
    const double r25 = Numero(CampoTolleranzaR25).value_or(0);
    const double b = Numero(CampoTolleranzaB).value_or(0);
    std::vector<QPointF> errore;
    std::vector<QPointF> fascia;
    for (long i = 0; i < griglia_->righe; ++i) {
        const double t = griglia_->Temperatura(i);
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
        grfErrore_->ImpostaMessaggio(tr("L'intervallo non tocca le temperature della tabella."));
        return;
    }
    grfErrore_->ImpostaSerie(std::move(errore), std::move(fascia));
}

QString FinestraCurva::LetturaCurva(double temperatura) const {
    const auto r = modello_ ? modello_->Resistenza(temperatura) : std::nullopt;
    const auto alfa = modello_ ? modello_->DerivataLogaritmica(temperatura) : std::nullopt;
    QString testo = tr("T = %1 °C").arg(TestoGradi(regione_, temperatura));
    if (r) {
        testo += tr("   R = %1 Ω").arg(TestoCifre(regione_, *r, CIFRE_LETTURA));
    }
    if (alfa) {
        testo += tr("   α = %1 %/K").arg(TestoGradi(regione_, *alfa * PERCENTO));
    }
    return testo;
}

QString FinestraCurva::LetturaErrore(double temperatura) const {
    QString testo = tr("T = %1 °C").arg(TestoGradi(regione_, temperatura));
    if (!modello_ || !tabellaCostruttore_) {
        return testo;
    }
    const auto rTabella = tabellaCostruttore_->Resistenza(temperatura);
    const auto tModello = rTabella ? modello_->Temperatura(*rTabella) : std::nullopt;
    if (tModello) {
        testo += tr("   errore = %1 K").arg(TestoGradi(regione_, *tModello - temperatura));
    }
    const auto tolleranza =
        Tolleranza(*modello_, temperatura, Numero(CampoTolleranzaR25).value_or(0),
                   Numero(CampoTolleranzaB).value_or(0));
    if (tolleranza) {
        testo += tr("   tolleranza = ±%1 K").arg(TestoGradi(regione_, tolleranza->gradi));
    }
    return testo;
}

void FinestraCurva::MettiParametri(const ParametriModello& parametri) {
    const std::vector<double> valori = ValoriCoefficienti(parametri);
    for (size_t i = 0; i < valori.size(); ++i) {
        Coefficiente(parametri.index(), i)->setText(TestoCampo(regione_, valori[i]));
    }
    ScegliTipo(parametri.index());
    Ricalcola();
}
