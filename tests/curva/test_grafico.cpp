#include "curva/grafico_curva.h"
#include "curva/modello_righe.h"
#include "tests/curva/regioni.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using F = FinestraCurva;

// The plot's data area, as it lays it out: these margins inside the widget.
constexpr int MARGINE_SINISTRO = 72;
constexpr int MARGINE_DESTRO = 16;

} // namespace

TEST(GraficoCurva, AssiEdEtichettePerUnaBetaNota) {
    F finestra(RegioneItaliana());
    finestra.resize(1100, 700);
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    const GraficoCurva* grafico = finestra.GraficoDellaCurva();
    // 10 kΩ, B 3950 from −40 to 125 °C: about 336 kΩ down to 340 Ω.
    EXPECT_EQ(grafico->EstremiX().minimo, -40);
    EXPECT_EQ(grafico->EstremiX().massimo, 125);
    EXPECT_DOUBLE_EQ(grafico->EstremiY().minimo, 100);
    EXPECT_DOUBLE_EQ(grafico->EstremiY().massimo, 1e6);
    EXPECT_EQ(grafico->EtichetteX(),
              (QStringList{"-40", "-20", "0", "20", "40", "60", "80", "100", "120"}));
    const QStringList etichetteY = grafico->EtichetteY();
    EXPECT_EQ(etichetteY.front(), QStringLiteral("100 Ω"));
    EXPECT_TRUE(etichetteY.contains(QStringLiteral("2 kΩ")));
    EXPECT_TRUE(etichetteY.contains(QStringLiteral("500 kΩ")));
    EXPECT_EQ(etichetteY.back(), QStringLiteral("1 MΩ"));

    // A narrow range in a comma region: decimal commas in the labels.
    Scrivi(finestra, F::CampoInizio, QStringLiteral("24"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("25"));
    Scrivi(finestra, F::CampoPasso, QStringLiteral("0,1"));
    EXPECT_TRUE(grafico->EtichetteX().contains(QStringLiteral("24,5")));
    EXPECT_DOUBLE_EQ(grafico->EstremiY().minimo, 1e4);
    EXPECT_DOUBLE_EQ(grafico->EstremiY().massimo, 2e4);
}

TEST(GraficoCurva, IlCursoreLeggeTRedAlfa) {
    F finestra(RegioneItaliana());
    finestra.show();
    GraficoCurva* grafico = finestra.GraficoDellaCurva();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    grafico->PortaCursore(25);
    // α = −B / T² = −3950 / 298.15² = −4.4435 %/K.
    EXPECT_EQ(grafico->Lettura(), QStringLiteral("T = 25 °C   R = 10000 Ω   α = -4,444 %/K"));
    EXPECT_EQ(grafico->accessibleDescription(), grafico->TestoLettura());
    EXPECT_TRUE(grafico->TestoLettura().startsWith(grafico->Lettura()));

    // The pointer at the data area's left and right edges reads the ends of the range:
    // 10000 · exp(3950 · (1/233.15 − 1/298.15)) = 401860 Ω at −40 °C.
    const int meta = grafico->height() / 2;
    QTest::mouseMove(grafico, QPoint(MARGINE_SINISTRO, meta));
    EXPECT_TRUE(grafico->Lettura().startsWith(QStringLiteral("T = -40 °C   R = 401860 Ω")))
        << grafico->Lettura().toStdString();
    QTest::mouseMove(grafico, QPoint(grafico->width() - MARGINE_DESTRO, meta));
    EXPECT_TRUE(grafico->Lettura().startsWith(QStringLiteral("T = 125 °C")))
        << grafico->Lettura().toStdString();
    // The keys move it within the range and no further.
    QTest::keyClick(grafico, Qt::Key_Right);
    EXPECT_TRUE(grafico->Lettura().startsWith(QStringLiteral("T = 125 °C")));
    QTest::keyClick(grafico, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_TRUE(grafico->Lettura().startsWith(QStringLiteral("T = -40 °C")));
}

TEST(GraficoCurva, ErroreControLaTabellaConLaFasciaDiTolleranza) {
    F finestra(RegioneC());
    GraficoCurva* errore = finestra.GraficoDellErrore();
    EXPECT_TRUE(errore->EtichetteX().isEmpty() || errore->Lettura().isEmpty());
    const QString file = QStringLiteral(TABELLE "/vishay_ntcle100e3103_3977.csv");
    ASSERT_EQ(finestra.ApriTabellaCostruttore(file), QString());
    Scrivi(finestra, "beta", "B", QStringLiteral("3977"));
    Scrivi(finestra, F::CampoInizio, QStringLiteral("-40"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("125"));
    errore->PortaCursore(25);
    // At 25 °C the Beta of the table's own R25 and B25/85 meets it exactly.
    EXPECT_TRUE(errore->Lettura().startsWith(QStringLiteral("T = 25 °C   errore = ")))
        << errore->Lettura().toStdString();
    EXPECT_TRUE(errore->Lettura().contains(QStringLiteral("tolleranza = ±")));
    const double errore25 =
        errore->Lettura().section(QStringLiteral("errore = "), 1).section(u' ', 0, 0).toDouble();
    EXPECT_LT(std::abs(errore25), 0.01);
    // Far from 25–85 °C the Beta drifts by more than a kelvin (the reason for the view).
    errore->PortaCursore(-40);
    const double errore40 =
        errore->Lettura().section(QStringLiteral("errore = "), 1).section(u' ', 0, 0).toDouble();
    EXPECT_GT(std::abs(errore40), 1);
    // The y axis holds the band: ±1 % R25 and B at −40 °C is more than ±0.2 K.
    EXPECT_LT(errore->EstremiY().minimo, -0.2);
    EXPECT_GT(errore->EstremiY().massimo, 0.2);

    // The maker's table as the model: no error, and its range only.
    finestra.ScegliTipo(F::TIPO_TABELLA);
    errore->PortaCursore(0);
    EXPECT_TRUE(errore->Lettura().contains(QStringLiteral("errore = 0 K")))
        << errore->Lettura().toStdString();
}

TEST(GraficoCurva, ImmagineInPngESvg) {
    F finestra(RegioneC());
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    QTemporaryDir cartella;
    const QString png = cartella.filePath(QStringLiteral("curva.png"));
    const QString svg = cartella.filePath(QStringLiteral("curva.svg"));
    EXPECT_EQ(finestra.EsportaImmagine(png), QString());
    EXPECT_EQ(finestra.EsportaImmagine(svg), QString());
    const QImage immagine(png);
    EXPECT_EQ(immagine.size(), finestra.GraficoDellaCurva()->size());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray testo = file.readAll();
    EXPECT_TRUE(testo.contains("<svg"));
    EXPECT_NE(finestra.EsportaImmagine(cartella.filePath(QStringLiteral("manca/curva.png"))),
              QString());
    if (qEnvironmentVariableIsSet("BREVANTO_SCREENSHOT")) {
        finestra.grab().save(qEnvironmentVariable("BREVANTO_SCREENSHOT"));
    }
}

TEST(GraficoCurva, SenzaCurvaNessunaLetturaVecchia) {
    F finestra(RegioneC());
    GraficoCurva* grafico = finestra.GraficoDellaCurva();
    grafico->PortaCursore(25);
    ASSERT_FALSE(grafico->Lettura().isEmpty());
    Scrivi(finestra, "beta", "R0", QStringLiteral("x"));
    EXPECT_EQ(grafico->Lettura(), QString());
    grafico->PortaCursore(25);
    EXPECT_EQ(grafico->Lettura(), QString());
}

// Where the model gives no table the plot draws no curve, and a curve over dozens of
// decades still has labels that do not run into each other.
TEST(GraficoCurva, SenzaTabellaNessunaCurvaEAssiLeggibili) {
    F finestra(RegioneItaliana());
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    const GraficoCurva* grafico = finestra.GraficoDellaCurva();
    for (const QString& da : {QStringLiteral("-300"), QStringLiteral("-273,15")}) {
        Scrivi(finestra, F::CampoInizio, da);
        EXPECT_EQ(finestra.Righe()->rowCount(), 0);
        EXPECT_TRUE(grafico->EtichetteY().isEmpty()) << da.toStdString();
    }
    // From −250 °C the Beta runs from about 10⁷² Ω down to 340 Ω.
    Scrivi(finestra, F::CampoInizio, QStringLiteral("-250"));
    ASSERT_GT(finestra.Righe()->rowCount(), 0) << finestra.Stato().toStdString();
    const int altezzaRiga = grafico->fontMetrics().height();
    const auto etichette = grafico->EtichetteY().size();
    EXPECT_GE(etichette, 3);
    EXPECT_LE(etichette * altezzaRiga * 2, grafico->height()) << etichette << " labels";
}

// A fine grid costs a repaint no more than the plot's width allows: every curve, the
// error's and the band's too, is drawn with a few points per pixel column.
TEST(GraficoCurva, LErroreSuUnaGrigliaFineSiDisegnaSfoltito) {
    F finestra(RegioneC());
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    ASSERT_EQ(
        finestra.ApriTabellaCostruttore(QStringLiteral(TABELLE "/vishay_ntcle100e3103_3977.csv")),
        QString());
    Scrivi(finestra, F::CampoPasso, QStringLiteral("0.001"));
    ASSERT_EQ(finestra.Righe()->rowCount(), 165001);
    QTemporaryDir cartella;
    const QString svg = cartella.filePath(QStringLiteral("errore.svg"));
    finestra.findChild<QTabWidget*>()->setCurrentWidget(finestra.GraficoDellErrore());
    ASSERT_EQ(finestra.EsportaImmagine(svg), QString());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray testo = file.readAll();
    // Each vertex is a pair "x,y" in the SVG's paths and polylines.
    const auto vertici = testo.count(',');
    EXPECT_LT(vertici, 20 * finestra.GraficoDellErrore()->width()) << vertici << " vertices";
}

// The cursor's reading never draws over the axis titles, whatever the width.
TEST(GraficoCurva, LaLetturaNonCopreITitoli) {
    F finestra(RegioneItaliana());
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    ASSERT_EQ(
        finestra.ApriTabellaCostruttore(QStringLiteral(TABELLE "/vishay_ntcle100e3103_3977.csv")),
        QString());
    GraficoCurva* errore = finestra.GraficoDellErrore();
    finestra.findChild<QTabWidget*>()->setCurrentWidget(errore);
    for (const int larghezza : {500, 650, 850, 1100}) {
        errore->setFixedWidth(larghezza);
        // Without a cursor (a model that is none takes it away), then with one at the far
        // end, where the reading is widest.
        Scrivi(finestra, "beta", "R0", QStringLiteral("x"));
        Scrivi(finestra, "beta", "R0", QStringLiteral("10000"));
        const QImage senza = errore->grab().toImage();
        errore->PortaCursore(-39.5);
        const QImage con = errore->grab().toImage();
        ASSERT_EQ(senza.size(), con.size());
        // The data area's frame: the longest black lines of the picture without a cursor.
        const auto nero = [&](int x, int y) { return qGray(senza.pixel(x, y)) < 40; };
        const auto riga = [&](int y0, int y1) {
            int migliore = y0;
            int conteggioMigliore = -1;
            for (int y = y0; y < y1; ++y) {
                int conteggio = 0;
                for (int x = 0; x < senza.width(); ++x) {
                    conteggio += nero(x, y) ? 1 : 0;
                }
                if (conteggio > conteggioMigliore) {
                    migliore = y;
                    conteggioMigliore = conteggio;
                }
            }
            return migliore;
        };
        const auto colonna = [&](int x0, int x1) {
            int migliore = x0;
            int conteggioMigliore = -1;
            for (int x = x0; x < x1; ++x) {
                int conteggio = 0;
                for (int y = 0; y < senza.height(); ++y) {
                    conteggio += nero(x, y) ? 1 : 0;
                }
                if (conteggio > conteggioMigliore) {
                    migliore = x;
                    conteggioMigliore = conteggio;
                }
            }
            return migliore;
        };
        const QRect area(QPoint(colonna(0, senza.width() / 2), riga(0, senza.height() / 2)),
                         QPoint(colonna(senza.width() / 2, senza.width()),
                                riga(senza.height() / 2, senza.height())));
        // Outside it, the reading only draws where nothing was drawn before.
        int coperti = 0;
        for (int y = 0; y < senza.height(); ++y) {
            for (int x = 0; x < senza.width(); ++x) {
                if (!area.contains(x, y) && senza.pixel(x, y) != con.pixel(x, y) &&
                    qGray(senza.pixel(x, y)) < 160) {
                    ++coperti;
                }
            }
        }
        EXPECT_LT(coperti, 40) << larghezza << " px: " << coperti << " dark pixels drawn over";
    }
}
