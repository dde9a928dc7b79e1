// The curve window's drawing, offscreen, at 10 000 and 1 000 000 rows: one full repaint of
// each view (the curve beside a maker's table and two compared curves, the error with its
// tolerance band, the divider's two plots), one cursor move (the event, the readings of
// every view and the repaint of the part it changes), and one keystroke in a field (every
// row, curve and view computed again).
#include "curva/finestra_curva.h"
#include "curva/grafico_curva.h"
#include "curva/modello_righe.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

FinestraCurva* finestra = nullptr;

void Scrivi(FinestraCurva::Campo campo, const QString& testo) {
    finestra->Casella(campo)->setText(testo);
}

// -40 °C up in steps that give so many rows, with a 10 kΩ divider.
void Righe(long righe) {
    Scrivi(FinestraCurva::CampoInizio, QStringLiteral("-40"));
    Scrivi(FinestraCurva::CampoPasso,
           righe == 10'000 ? QStringLiteral("0.01") : QStringLiteral("0.0001"));
    Scrivi(FinestraCurva::CampoFine,
           righe == 10'000 ? QStringLiteral("59.99") : QStringLiteral("59.9999"));
    Scrivi(FinestraCurva::CampoSerie, QStringLiteral("10000"));
    finestra->Ricalcola();
    if (finestra->Righe()->rowCount() != righe) {
        qFatal("%d rows instead of %ld", finestra->Righe()->rowCount(), righe);
    }
}

void Ridisegna(benchmark::State& stato, std::vector<GraficoCurva*> grafici) {
    Righe(stato.range(0));
    std::vector<QImage> immagini;
    immagini.reserve(grafici.size());
    for (const GraficoCurva* grafico : grafici) {
        immagini.emplace_back(grafico->size(), QImage::Format_RGB32);
    }
    for ([[maybe_unused]] auto _ : stato) {
        for (std::size_t i = 0; i < grafici.size(); ++i) {
            QPainter pittore(&immagini[i]);
            grafici[i]->Disegna(pittore, immagini[i].size());
        }
    }
    stato.counters["righe"] = static_cast<double>(stato.range(0));
}

void RidisegnoCurva(benchmark::State& stato) {
    Ridisegna(stato, {finestra->GraficoDellaCurva()});
}

void RidisegnoErrore(benchmark::State& stato) {
    Ridisegna(stato, {finestra->GraficoDellErrore()});
}

void RidisegnoPartitore(benchmark::State& stato) {
    Ridisegna(stato, {finestra->GraficoDellaTensione(), finestra->GraficoDellaRisoluzione()});
}

void CursoreMosso(benchmark::State& stato) {
    Righe(stato.range(0));
    GraficoCurva* grafico = finestra->GraficoDellaCurva();
    finestra->MostraVista(grafico);
    grafico->repaint(); // the picture without the cursor is drawn once
    int x = 100;
    for ([[maybe_unused]] auto _ : stato) {
        x = x >= grafico->width() - 100 ? 100 : x + 3;
        QMouseEvent movimento(QEvent::MouseMove, QPointF(x, 200),
                              grafico->mapToGlobal(QPointF(x, 200)), Qt::NoButton, Qt::NoButton,
                              Qt::NoModifier);
        QApplication::sendEvent(grafico, &movimento);
        grafico->repaint();
    }
}

void Tasto(benchmark::State& stato) {
    Righe(stato.range(0));
    QLineEdit* campo = finestra->Coefficiente(0, 1);
    bool pari = false;
    for ([[maybe_unused]] auto _ : stato) {
        campo->setText((pari = !pari) ? QStringLiteral("3950") : QStringLiteral("3951"));
        finestra->Ricalcola();
    }
}

BENCHMARK(RidisegnoCurva)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(RidisegnoErrore)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(RidisegnoPartitore)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(CursoreMosso)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Tasto)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication applicazione(argc, argv);
    FinestraCurva curva(QLocale::c());
    curva.resize(1100, 700);
    curva.show();
    if (!QTest::qWaitForWindowExposed(&curva)) {
        return 1;
    }
    finestra = &curva;
    // A maker's table for the error view, and two curves to compare with.
    const QString tabelle = QStringLiteral(TABELLE);
    if (!curva.ApriTabellaCostruttore(tabelle + QStringLiteral("/vishay_ntcle100e3103_3977.csv"))
             .isEmpty() ||
        !curva.AggiungiTabellaAlConfronto(tabelle + QStringLiteral("/murata_ncp15xh103.csv"))
             .isEmpty() ||
        !curva.AggiungiModelloAlConfronto().isEmpty()) {
        return 1;
    }
    curva.Coefficiente(0, 1)->setText(QStringLiteral("3435"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
