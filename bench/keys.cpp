// Time per key and per conversion handled by the main window, through real key events
// (offscreen), with an empty history and with 100 000 history lines.
#include "core/parametri_ntc.h"
#include "finestra/lista_storico.h"
#include "finestra/main_form.h"
#include "finestra/servizi.h"
#include "risorse/avvio.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

MainForm* finestra = nullptr;

QLabel* Registro() {
    return finestra->findChild<QLabel*>(QStringLiteral("Display"));
}

void PreparaStorico(int righe) {
    auto* lista = finestra->findChild<ListaStorico*>(QStringLiteral("Lst_Storico"));
    lista->Svuota();
    for (int i = 0; i < righe; ++i) {
        lista->Aggiungi(QStringLiteral("25 [°C] = 10000.0 [Ohm]"));
    }
    Registro()->setText(QStringLiteral("0"));
}

// A digit and Backspace: two keys per iteration, the register stays short.
void Tasto(benchmark::State& stato) {
    PreparaStorico(static_cast<int>(stato.range(0)));
    for ([[maybe_unused]] auto _ : stato) {
        QTest::keyClick(finestra, Qt::Key_5);
        QTest::keyClick(finestra, Qt::Key_Backspace);
    }
    stato.SetItemsProcessed(stato.iterations() * 2);
}

// F3 on "25" with R0 and B set: one history line and the result per iteration.
void Conversione(benchmark::State& stato) {
    PreparaStorico(static_cast<int>(stato.range(0)));
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    for ([[maybe_unused]] auto _ : stato) {
        Registro()->setText(QStringLiteral("25"));
        QTest::keyClick(finestra, Qt::Key_F3);
    }
    stato.SetItemsProcessed(stato.iterations());
}

BENCHMARK(Tasto)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Conversione)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    RegistraSostituzioniCaratteri();
    const Regione regione{".", ","};
    MainForm form(regione, ServiziDiSistema(regione));
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        return 1;
    }
    finestra = &form;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
