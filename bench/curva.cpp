// The curve window's drawing, offscreen: one full repaint of a 10 000-point curve and one
// cursor move (the event, the reading and the repaint of the window's part it changes).
#include "curva/finestra_curva.h"
#include "curva/grafico_curva.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

FinestraCurva* finestra = nullptr;

void Scrivi(FinestraCurva::Campo campo, const QString& testo) {
    finestra->Casella(campo)->setText(testo);
}

// −55 … 44.99 °C in steps of 0.01 K: 10 000 points.
void CurvaDiDiecimilaPunti() {
    Scrivi(FinestraCurva::CampoInizio, QStringLiteral("-55"));
    Scrivi(FinestraCurva::CampoFine, QStringLiteral("44.99"));
    Scrivi(FinestraCurva::CampoPasso, QStringLiteral("0.01"));
    finestra->Ricalcola();
}

void Ridisegno(benchmark::State& stato) {
    CurvaDiDiecimilaPunti();
    GraficoCurva* grafico = finestra->GraficoDellaCurva();
    QImage immagine(grafico->size(), QImage::Format_RGB32);
    for ([[maybe_unused]] auto _ : stato) {
        QPainter pittore(&immagine);
        grafico->Disegna(pittore, immagine.size());
    }
    stato.counters["punti"] = 10000;
}

void CursoreMosso(benchmark::State& stato) {
    CurvaDiDiecimilaPunti();
    GraficoCurva* grafico = finestra->GraficoDellaCurva();
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

BENCHMARK(Ridisegno)->Unit(benchmark::kMillisecond);
BENCHMARK(CursoreMosso)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication applicazione(argc, argv);
    FinestraCurva curva(QLocale::c());
    curva.show();
    if (!QTest::qWaitForWindowExposed(&curva)) {
        return 1;
    }
    finestra = &curva;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
