#include "curva/curve_confronto.h"
#include "curva/grafico_curva.h"
#include "curva/modello_righe.h"
#include "tests/curva/regioni.h"

#include <QFile>
#include <QListWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using F = FinestraCurva;

const QString TABELLA = QStringLiteral(TABELLE "/vishay_ntcle100e3103_3977.csv");
const QString ALTRA_TABELLA = QStringLiteral(TABELLE "/murata_ncp15xh103.csv");

// R of a Beta at t °C, written out here rather than asked of the library.
double Beta(double r0, double b, double t) {
    return r0 * std::exp(b * (1 / (t + 273.15) - 1 / 298.15));
}

// The value a reading's line gives for a curve: "nome: 1234,5 Ω" → 1234.5.
double ValoreDi(const QString& lettura, const QString& nome) {
    for (const QString& riga : lettura.split(u'\n')) {
        if (riga.startsWith(nome + QStringLiteral(": "))) {
            return QLocale(QLocale::Italian)
                .toDouble(riga.mid(nome.size() + 2).section(u' ', 0, 0));
        }
    }
    ADD_FAILURE() << "no " << nome.toStdString() << " in\n" << lettura.toStdString();
    return 0;
}

} // namespace

// Two models and two makers' tables on one plot, each with its colour and its name in the
// legend, read together by the cursor; hidden and removed again.
TEST(VisteCurva, CurveAConfronto) {
    F finestra(RegioneItaliana());
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    ASSERT_EQ(finestra.ApriTabellaCostruttore(TABELLA), QString());
    ASSERT_EQ(finestra.AggiungiModelloAlConfronto(), QString());
    Scrivi(finestra, "beta", "B", QStringLiteral("3435"));
    ASSERT_EQ(finestra.AggiungiTabellaAlConfronto(ALTRA_TABELLA), QString());
    const QString propria = QStringLiteral("Beta: R0 = 10000, B = 3435, T0 = 25");
    const QString prima = QStringLiteral("Beta: R0 = 10000, B = 3950, T0 = 25");
    const QString tabella = QStringLiteral("Tabella: vishay_ntcle100e3103_3977.csv");
    const QString altra = QStringLiteral("Tabella: murata_ncp15xh103.csv");
    GraficoCurva* curva = finestra.GraficoDellaCurva();
    EXPECT_EQ(curva->Legenda(), (QStringList{propria, tabella, prima, altra}));
    const auto& confronto = finestra.Confronto()->Curve();
    ASSERT_EQ(confronto.size(), 2U);
    EXPECT_NE(confronto[0].colore, confronto[1].colore);
    for (const CurvaConfronto& una : confronto) {
        EXPECT_NE(una.colore, PannelloConfronto::COLORE_MODELLO);
        EXPECT_NE(una.colore, PannelloConfronto::COLORE_TABELLA);
    }

    curva->PortaCursore(0);
    const QString lettura = curva->TestoLettura();
    EXPECT_NEAR(ValoreDi(lettura, propria), Beta(10000, 3435, 0), 0.1);
    EXPECT_NEAR(ValoreDi(lettura, prima), Beta(10000, 3950, 0), 0.1);
    // The tables' own rows at 0 °C.
    EXPECT_EQ(ValoreDi(lettura, tabella), 32554.8);
    EXPECT_EQ(ValoreDi(lettura, altra), 27219);

    // The error view: each model against the window's table, and the band.
    GraficoCurva* errore = finestra.GraficoDellErrore();
    EXPECT_EQ(errore->Legenda(), (QStringList{propria, prima, altra,
                                              QStringLiteral("Tolleranza (±1 % R25, ±1 % B)")}));

    finestra.Confronto()->MostraCurva(0, false);
    EXPECT_EQ(curva->Legenda(), (QStringList{propria, tabella, altra}));
    finestra.Confronto()->MostraCurva(0, true);
    finestra.Confronto()->Elenco()->setCurrentRow(1);
    ASSERT_TRUE(finestra.Confronto()->RimuoviScelta());
    EXPECT_EQ(curva->Legenda(), (QStringList{propria, tabella, prima}));
    // A model that is none is not added.
    Scrivi(finestra, "beta", "B", QStringLiteral("x"));
    EXPECT_NE(finestra.AggiungiModelloAlConfronto(), QString());
    EXPECT_EQ(finestra.Confronto()->Curve().size(), 1U);
}

// Every exported picture names the model and its parameters, and the curves compared.
TEST(VisteCurva, LImmagineNominaIlModello) {
    F finestra(RegioneC());
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    ASSERT_EQ(finestra.AggiungiTabellaAlConfronto(TABELLA), QString());
    Scrivi(finestra, F::CampoSerie, QStringLiteral("10000"));
    QTemporaryDir cartella;
    for (QWidget* vista :
         {static_cast<QWidget*>(finestra.GraficoDellaCurva()), finestra.VistaPartitore()}) {
        finestra.MostraVista(vista);
        const QString percorso = cartella.filePath(QStringLiteral("vista.svg"));
        ASSERT_EQ(finestra.EsportaImmagine(percorso), QString());
        QFile file(percorso);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(svg.contains(QStringLiteral("Beta: R0 = 10000, B = 3950, T0 = 25")));
        EXPECT_TRUE(svg.contains(QStringLiteral("Tabella: vishay_ntcle100e3103_3977.csv")));
    }
}

// The divider view: what the ADC reads and how finely, at the cursor.
TEST(VisteCurva, IlPartitore) {
    F finestra(RegioneItaliana());
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    GraficoCurva* tensione = finestra.GraficoDellaTensione();
    GraficoCurva* risoluzione = finestra.GraficoDellaRisoluzione();
    EXPECT_TRUE(tensione->EtichetteY().isEmpty());
    Scrivi(finestra, F::CampoSerie, QStringLiteral("10000"));
    Scrivi(finestra, F::CampoRiferimento, QStringLiteral("3,3"));
    finestra.MostraVista(finestra.VistaPartitore());
    tensione->PortaCursore(25);
    // Half the reference, half the counts.
    EXPECT_EQ(tensione->Lettura(), QStringLiteral("T = 25 °C   1,65 V, ADC 2048"));
    // One count is (R + Rs)² / (2^12 · Rs · R · |α|) kelvin, with α = −B/T².
    const double alfa = 3950 / (298.15 * 298.15);
    const double atteso = 20000.0 * 20000 / (4096 * 1e4 * 1e4 * alfa);
    risoluzione->PortaCursore(25);
    const double letto =
        QLocale(QLocale::Italian)
            .toDouble(risoluzione->Lettura().section(QStringLiteral("   "), 1).section(u' ', 0, 0));
    EXPECT_NEAR(letto, atteso, 5e-4 * atteso) << risoluzione->Lettura().toStdString();
    // Both plots follow one cursor.
    QTest::keyClick(tensione, Qt::Key_Right);
    EXPECT_TRUE(risoluzione->Lettura().startsWith(QStringLiteral("T = 26 °C")))
        << risoluzione->Lettura().toStdString();
    // The counts on the right: 0 … 4096 for 0 … 3,3 V.
    Scrivi(finestra, F::CampoBit, QStringLiteral("10"));
    tensione->PortaCursore(25);
    EXPECT_EQ(tensione->Lettura(), QStringLiteral("T = 25 °C   1,65 V, ADC 512"));
}

// The Tabella view reads six significant digits, right-aligned; copies keep every digit.
TEST(VisteCurva, TabellaPerLeggere) {
    F finestra(RegioneItaliana());
    Scrivi(finestra, F::CampoInizio, QStringLiteral("0"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("0,001"));
    Scrivi(finestra, F::CampoPasso, QStringLiteral("0,001"));
    const ModelloRighe* righe = finestra.Righe();
    const QModelIndex r = righe->index(1, 1);
    const double valore = Beta(10000, 3950, 0.001);
    EXPECT_EQ(righe->data(r, Qt::DisplayRole).toString(),
              QLocale(QLocale::Italian).toString(valore, 'g', 6).remove(u'.'));
    EXPECT_EQ(righe->data(r, Qt::DisplayRole).toString().remove(u',').size(), 6);
    EXPECT_EQ(righe->data(r, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(QLocale(QLocale::Italian).toDouble(righe->data(r, Qt::AccessibleTextRole).toString()),
              righe->Righe()[1].resistenza);
    const QString copia = righe->TestoSeparatoDaTabulazioni().split(u'\n').at(2);
    EXPECT_EQ(QLocale(QLocale::Italian).toDouble(copia.section(u'\t', 1, 1)),
              righe->Righe()[1].resistenza);
}
