#include "calcoli/righe_tabella.h"
#include "curva/campi_regione.h"
#include "curva/finestra_curva.h"
#include "curva/modello_righe.h"
#include "curva/vista_progetto.h"

#include <QComboBox>
#include <QLineEdit>

#include <charconv>
#include <cmath>

namespace {

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
            return EsitoModello::Errore(
                tr("nessuna tabella del costruttore caricata").toStdString());
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
    for (const Campo campo : {CampoSerie, CampoRiferimento, CampoBit}) {
        if (!Numero(campo)) {
            return EsitoPartitore::Errore(
                tr("%1: non è un numero").arg(NomeCampo(campo)).toStdString());
        }
    }
    const double bit = *Numero(CampoBit);
    if (bit != std::trunc(bit)) {
        return EsitoPartitore::Errore(
            tr("%1: vuole un numero intero").arg(NomeCampo(CampoBit)).toStdString());
    }
    PartitoreADC adc;
    adc.partitore.rSerie = *Numero(CampoSerie);
    adc.partitore.tensioneRif = *Numero(CampoRiferimento);
    adc.partitore.posizione = cmbVerso_->currentIndex() == 0
                                  ? Partitore::Posizione::VersoMassa
                                  : Partitore::Posizione::VersoAlimentazione;
    adc.bit = std::fabs(bit) <= BIT_MASSIMI ? static_cast<int>(bit) : 0;
    if (const std::string motivo = VerificaPartitore(adc); !motivo.empty()) {
        return EsitoPartitore::Errore(motivo);
    }
    return std::optional(adc);
}

Esito<Griglia> FinestraCurva::GrigliaDaiCampi() const {
    std::array<std::string, 3> testi;
    std::array<std::optional<NumeroScritto>, 3> numeri;
    for (const Campo campo : {CampoInizio, CampoFine, CampoPasso}) {
        const auto i = static_cast<std::size_t>(campo - CampoInizio);
        numeri.at(i) = NumeroDelCampo(regione_, txtCampi_.at(campo)->text(), testi.at(i));
        if (!numeri.at(i)) {
            return Esito<Griglia>::Errore(
                tr("%1: non è un numero").arg(NomeCampo(campo)).toStdString());
        }
    }
    const auto griglia = CalcolaGriglia(*numeri[0], *numeri[1], *numeri[2]);
    if (const auto* errore = std::get_if<ErroreGriglia>(&griglia)) {
        return Esito<Griglia>::Errore(TestoErroreGriglia(*errore));
    }
    return std::get<Griglia>(griglia);
}

Esito<FinestraCurva::Tolleranze> FinestraCurva::TolleranzeDaiCampi() const {
    // The band is the error view's: a value that is not one is named, never read as 0.
    std::array<double, 2> valori{};
    for (const Campo campo : {CampoTolleranzaR25, CampoTolleranzaB}) {
        const QString testo = txtCampi_.at(campo)->text().trimmed();
        const auto numero = Numero(campo);
        QString motivo;
        if (testo.isEmpty()) {
            motivo = tr("%1: scrivi un valore (0 per nessuna)");
        } else if (!numero) {
            motivo = tr("%1: non è un numero");
        } else if (*numero < 0) {
            motivo = tr("%1: non può essere negativa");
        }
        if (!motivo.isEmpty()) {
            return Esito<Tolleranze>::Errore(motivo.arg(NomeCampo(campo)).toStdString());
        }
        valori.at(static_cast<std::size_t>(campo - CampoTolleranzaR25)) = *numero;
    }
    return Tolleranze{valori[0], valori[1]};
}

void FinestraCurva::Ricalcola() {
    modello_.reset();
    griglia_.reset();
    adc_.reset();
    tolleranze_.reset();
    auto modello = ModelloDaiCampi();
    const auto griglia = GrigliaDaiCampi();
    const auto partitore = PartitoreDaiCampi();
    std::string motivo = !modello.Riuscito()     ? modello.Motivo()
                         : !griglia.Riuscito()   ? griglia.Motivo()
                         : !partitore.Riuscito() ? partitore.Motivo()
                                                 : std::string();
    std::vector<RigaTabella> righe;
    if (motivo.empty()) {
        auto calcolate = CalcolaRighe(*modello.Valore(), griglia.Valore(), partitore.Valore());
        if (calcolate.Riuscito()) {
            righe = std::move(calcolate.Valore());
        } else {
            motivo = calcolate.Motivo();
        }
    }
    if (!motivo.empty()) {
        // Where there is no table there is no curve either: every view says why.
        modRighe_->ImpostaRighe({});
        MostraMessaggio(QString::fromStdString(motivo));
        return;
    }
    modello_ = std::move(modello.Valore());
    griglia_ = griglia.Valore();
    adc_ = partitore.Valore();
    const auto tolleranze = TolleranzeDaiCampi();
    if (tolleranze.Riuscito()) {
        tolleranze_ = tolleranze.Valore();
    }
    const auto quante = righe.size();
    modRighe_->ImpostaRighe(std::move(righe));
    MostraStato(!tolleranze.Riuscito() ? QString::fromStdString(tolleranze.Motivo())
                : quante == 1          ? tr("1 riga")
                                       : tr("%1 righe").arg(quante));
    for (GraficoCurva* grafico : {grfCurva_, grfErrore_, grfTensione_, grfRisoluzione_}) {
        grafico->ImpostaGriglia(griglia_);
    }
    AggiornaCurva();
    AggiornaErrore();
    AggiornaPartitore();
    vstProgetto_->Aggiorna(*modello_, *griglia_);
}

void FinestraCurva::MostraMessaggio(const QString& testo) {
    MostraStato(testo);
    for (GraficoCurva* grafico : {grfCurva_, grfErrore_, grfTensione_, grfRisoluzione_}) {
        grafico->ImpostaMessaggio(testo);
    }
    vstProgetto_->MostraMessaggio(testo);
}

void FinestraCurva::MettiParametri(const ParametriModello& parametri) {
    const std::vector<double> valori = ValoriCoefficienti(parametri);
    for (size_t i = 0; i < valori.size(); ++i) {
        Coefficiente(parametri.index(), i)->setText(TestoCampo(regione_, valori[i]));
    }
    ScegliTipo(parametri.index());
    Ricalcola();
}
