#include "calcoli/scrittura_testi.h"
#include "curva/campi_regione.h"
#include "curva/curve_confronto.h"
#include "curva/descrizione_modello.h"
#include "curva/finestra_curva.h"
#include "curva/lettura_partitore.h"
#include "curva/modello_righe.h"
#include "modelli/tolleranza.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr int CIFRE_LETTURA = 6;

using Serie = GraficoCurva::Serie;

} // namespace

QString FinestraCurva::NomeModello() const {
    if (static_cast<std::size_t>(cmbTipo_->currentIndex()) == TIPO_TABELLA) {
        return tr("Tabella: %1").arg(nomeTabella_);
    }
    const auto parametri = ParametriDaiCampi();
    return parametri.Riuscito() ? DescrizioneModello(regione_, parametri.Valore()) : QString();
}

std::vector<FinestraCurva::CurvaMostrata> FinestraCurva::CurveMostrate() const {
    // The window's model, its maker's table by its rows, then the comparison's curves.
    std::vector<CurvaMostrata> curve;
    if (!modello_) {
        return curve;
    }
    curve.push_back({NomeModello(), PannelloConfronto::COLORE_MODELLO, modello_.get(), nullptr});
    if (tabellaCostruttore_ && static_cast<std::size_t>(cmbTipo_->currentIndex()) != TIPO_TABELLA) {
        curve.push_back({tr("Tabella: %1").arg(nomeTabella_), PannelloConfronto::COLORE_TABELLA,
                         &*tabellaCostruttore_, &tabellaCostruttore_->Righe()});
    }
    for (const CurvaConfronto& confronto : pnlConfronto_->Curve()) {
        if (confronto.visibile) {
            curve.push_back({confronto.nome, confronto.colore, confronto.modello.get(),
                             confronto.righe.empty() ? nullptr : &confronto.righe});
        }
    }
    return curve;
}

std::vector<double> FinestraCurva::Temperature() const {
    // Rising, whichever way the range was typed: the plots take their points so.
    std::vector<double> temperature;
    temperature.reserve(static_cast<std::size_t>(griglia_->righe));
    for (long i = 0; i < griglia_->righe; ++i) {
        temperature.push_back(griglia_->Temperatura(i));
    }
    if (temperature.size() > 1 && temperature.front() > temperature.back()) {
        std::reverse(temperature.begin(), temperature.end());
    }
    return temperature;
}

namespace {

// A curve's points: a model's at each temperature of the grid, a table's at its rows.
template <typename Valore>
std::vector<QPointF> Punti(const std::vector<double>& temperature,
                           const std::vector<PuntoRT>* righe, Valore valore) {
    std::vector<QPointF> punti;
    if (righe != nullptr) {
        // A table's rows within the range the fields give, like every other curve.
        for (const PuntoRT& riga : *righe) {
            if (temperature.empty() || riga.temperatura < temperature.front() ||
                riga.temperatura > temperature.back()) {
                continue;
            }
            if (const auto y = valore(riga.temperatura)) {
                punti.emplace_back(riga.temperatura, *y);
            }
        }
        return punti;
    }
    punti.reserve(temperature.size());
    for (const double t : temperature) {
        if (const auto y = valore(t)) {
            punti.emplace_back(t, *y);
        }
    }
    return punti;
}

GraficoCurva::Tratto TrattoDi(const std::vector<PuntoRT>* righe) {
    return righe != nullptr ? GraficoCurva::Tratto::Marcatori : GraficoCurva::Tratto::Linea;
}

} // namespace

void FinestraCurva::AggiornaCurva() {
    const std::vector<double> temperature = Temperature();
    std::vector<Serie> serie;
    for (const CurvaMostrata& curva : CurveMostrate()) {
        serie.push_back({curva.nome, curva.colore, TrattoDi(curva.righe),
                         Punti(temperature, curva.righe,
                               [&](double t) { return curva.modello->Resistenza(t); })});
    }
    grfCurva_->ImpostaSerie(std::move(serie));
}

void FinestraCurva::AggiornaErrore() {
    if (!tabellaCostruttore_) {
        grfErrore_->ImpostaMessaggio(
            tr("Carica una tabella del costruttore (File ▸ Apri tabella) per vedere l'errore."));
        return;
    }
    // The temperature each curve reads at the table's resistance, minus the table's.
    const std::vector<double> temperature = Temperature();
    const ModelloTabella& tabella = *tabellaCostruttore_;
    std::vector<Serie> serie;
    for (const CurvaMostrata& curva : CurveMostrate()) {
        if (curva.modello == &tabella) {
            continue;
        }
        serie.push_back({curva.nome, curva.colore, GraficoCurva::Tratto::Linea,
                         Punti(temperature, nullptr, [&](double t) -> std::optional<double> {
                             const auto r = tabella.Resistenza(t);
                             const auto letta = r ? curva.modello->Temperatura(*r) : std::nullopt;
                             return letta ? std::optional(*letta - t) : std::nullopt;
                         })});
    }
    std::vector<QPointF> fascia;
    if (tolleranze_) {
        fascia = Punti(temperature, nullptr, [&](double t) -> std::optional<double> {
            const auto tolleranza = tabella.Resistenza(t)
                                        ? Tolleranza(*modello_, t, tolleranze_->r25, tolleranze_->b)
                                        : std::nullopt;
            return tolleranza ? std::optional(tolleranza->gradi) : std::nullopt;
        });
    }
    if (std::all_of(serie.begin(), serie.end(), [](const Serie& s) { return s.punti.empty(); })) {
        grfErrore_->ImpostaMessaggio(tr("L'intervallo non tocca le temperature della tabella."));
        return;
    }
    const QString nomeFascia = tolleranze_ ? tr("Tolleranza (±%1 % R25, ±%2 % B)")
                                                 .arg(TestoCampo(regione_, tolleranze_->r25),
                                                      TestoCampo(regione_, tolleranze_->b))
                                           : QString();
    grfErrore_->ImpostaSerie(std::move(serie), fascia, nomeFascia);
}

void FinestraCurva::AggiornaPartitore() {
    if (!adc_) {
        const QString messaggio =
            tr("Scrivi R serie (Partitore) per vedere la tensione, i conteggi dell'ADC e la "
               "risoluzione in kelvin per conteggio.");
        grfTensione_->ImpostaMessaggio(messaggio);
        grfRisoluzione_->ImpostaMessaggio(messaggio);
        return;
    }
    const PartitoreADC& adc = *adc_;
    // The same curve read in counts on the right: count = V / Vref · 2^bit.
    const double conteggiPerVolt = std::ldexp(1.0, adc.bit) / adc.partitore.tensioneRif;
    const QString partitore =
        tr("T (°C) · R serie %1 Ω %2, Vref %3 V, %4 bit")
            .arg(TestoCampo(regione_, adc.partitore.rSerie), cmbVerso_->currentText(),
                 TestoCampo(regione_, adc.partitore.tensioneRif))
            .arg(adc.bit);
    grfTensione_->ImpostaAssi(partitore, tr("Tensione all'ADC (V)"), GraficoCurva::Scala::Lineare,
                              GraficoCurva::AsseDestro{tr("Conteggi ADC"), conteggiPerVolt});
    grfRisoluzione_->ImpostaAssi(partitore, tr("Risoluzione (K/conteggio)"),
                                 GraficoCurva::Scala::Logaritmica);
    const std::vector<double> temperature = Temperature();
    std::vector<Serie> tensioni;
    std::vector<Serie> risoluzioni;
    for (const CurvaMostrata& curva : CurveMostrate()) {
        const auto lettura = [&](double t) { return LeggiPartitore(*curva.modello, adc, t); };
        tensioni.push_back({curva.nome, curva.colore, TrattoDi(curva.righe),
                            Punti(temperature, curva.righe, [&](double t) {
                                const auto l = lettura(t);
                                return l ? std::optional(l->tensione) : std::nullopt;
                            })});
        risoluzioni.push_back({curva.nome, curva.colore, TrattoDi(curva.righe),
                               Punti(temperature, curva.righe, [&](double t) {
                                   const auto l = lettura(t);
                                   return l ? std::optional(l->kelvinPerConteggio) : std::nullopt;
                               })});
    }
    grfTensione_->ImpostaSerie(std::move(tensioni));
    grfRisoluzione_->ImpostaSerie(std::move(risoluzioni));
}

GraficoCurva::LetturaCursore FinestraCurva::LetturaCurva(double temperatura) const {
    GraficoCurva::LetturaCursore lettura;
    lettura.testo = tr("T = %1 °C").arg(TestoGradi(regione_, temperatura));
    const auto r = modello_ ? modello_->Resistenza(temperatura) : std::nullopt;
    const auto alfa = modello_ ? modello_->DerivataLogaritmica(temperatura) : std::nullopt;
    if (r) {
        lettura.testo += tr("   R = %1 Ω").arg(TestoCifre(regione_, *r, CIFRE_LETTURA));
    }
    if (alfa) {
        lettura.testo += tr("   α = %1 %/K").arg(TestoGradi(regione_, *alfa * PERCENTO));
    }
    for (const CurvaMostrata& curva : CurveMostrate()) {
        const auto resistenza = curva.modello->Resistenza(temperatura);
        lettura.valori << (resistenza
                               ? tr("%1 Ω").arg(TestoCifre(regione_, *resistenza, CIFRE_LETTURA))
                               : QString());
    }
    return lettura;
}

GraficoCurva::LetturaCursore FinestraCurva::LetturaErrore(double temperatura) const {
    GraficoCurva::LetturaCursore lettura;
    lettura.testo = tr("T = %1 °C").arg(TestoGradi(regione_, temperatura));
    if (!modello_ || !tabellaCostruttore_) {
        return lettura;
    }
    const auto rTabella = tabellaCostruttore_->Resistenza(temperatura);
    const auto errore = [&](const ModelloNTC& modello) -> std::optional<double> {
        const auto letta = rTabella ? modello.Temperatura(*rTabella) : std::nullopt;
        return letta ? std::optional(*letta - temperatura) : std::nullopt;
    };
    if (const auto proprio = errore(*modello_)) {
        lettura.testo += tr("   errore = %1 K").arg(TestoGradi(regione_, *proprio));
    }
    const auto tolleranza =
        tolleranze_ ? Tolleranza(*modello_, temperatura, tolleranze_->r25, tolleranze_->b)
                    : std::nullopt;
    if (tolleranza) {
        lettura.testo += tr("   tolleranza = ±%1 K").arg(TestoGradi(regione_, tolleranza->gradi));
    }
    for (const CurvaMostrata& curva : CurveMostrate()) {
        if (curva.modello == &*tabellaCostruttore_) {
            continue;
        }
        const auto e = errore(*curva.modello);
        lettura.valori << (e ? tr("%1 K").arg(TestoGradi(regione_, *e)) : QString());
    }
    lettura.valori << (tolleranza ? tr("±%1 K").arg(TestoGradi(regione_, tolleranza->gradi))
                                  : QString());
    return lettura;
}

GraficoCurva::LetturaCursore FinestraCurva::LetturaTensione(double temperatura) const {
    GraficoCurva::LetturaCursore lettura;
    lettura.testo = tr("T = %1 °C").arg(TestoGradi(regione_, temperatura));
    if (!modello_ || !adc_) {
        return lettura;
    }
    const auto testo = [&](const ModelloNTC& modello) {
        const auto r = modello.Resistenza(temperatura);
        const auto v = r ? TensionePartitore(adc_->partitore, *r) : std::nullopt;
        const auto conteggio = r ? ConteggioIntero(*adc_, *r) : std::nullopt;
        if (!v || !conteggio) {
            return QString();
        }
        return tr("%1 V, ADC %2").arg(TestoGradi(regione_, *v)).arg(*conteggio);
    };
    if (const QString proprio = testo(*modello_); !proprio.isEmpty()) {
        lettura.testo += QStringLiteral("   ") + proprio;
    }
    for (const CurvaMostrata& curva : CurveMostrate()) {
        lettura.valori << testo(*curva.modello);
    }
    return lettura;
}

GraficoCurva::LetturaCursore FinestraCurva::LetturaRisoluzione(double temperatura) const {
    GraficoCurva::LetturaCursore lettura;
    lettura.testo = tr("T = %1 °C").arg(TestoGradi(regione_, temperatura));
    if (!modello_ || !adc_) {
        return lettura;
    }
    const auto testo = [&](const ModelloNTC& modello) {
        const auto l = LeggiPartitore(modello, *adc_, temperatura);
        return l ? tr("%1 K per conteggio").arg(TestoGradi(regione_, l->kelvinPerConteggio))
                 : QString();
    };
    if (const QString proprio = testo(*modello_); !proprio.isEmpty()) {
        lettura.testo += QStringLiteral("   ") + proprio;
    }
    for (const CurvaMostrata& curva : CurveMostrate()) {
        lettura.valori << testo(*curva.modello);
    }
    return lettura;
}

GraficoCurva* FinestraCurva::GraficoMostrato() const {
    QWidget* vista = tabViste_->currentWidget();
    if (vista == pagPartitore_) {
        return grfRisoluzione_->hasFocus() ? grfRisoluzione_ : grfTensione_;
    }
    return vista == grfErrore_ ? grfErrore_ : grfCurva_;
}

void FinestraCurva::SeguiCursore(double temperatura) {
    for (GraficoCurva* grafico : {grfCurva_, grfErrore_, grfTensione_, grfRisoluzione_}) {
        if (grafico != sender()) {
            grafico->PortaCursore(temperatura);
        }
    }
    if (!txtCursore_->hasFocus()) {
        txtCursore_->setText(TestoCifre(regione_, temperatura, CIFRE_LETTURA));
    }
}
