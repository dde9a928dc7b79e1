#include "curva/grafico_curva.h"
#include "tests/curva/regioni.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

using F = FinestraCurva;

QString T(const GraficoCurva* grafico) {
    return grafico->Lettura().section(QStringLiteral("   "), 0, 0);
}

void Rotella(GraficoCurva* grafico, QPointF dove, int scatti) {
    QWheelEvent evento(dove, grafico->mapToGlobal(dove), QPoint(), QPoint(0, 120 * scatti),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grafico, &evento);
}

// Whether the range b lies inside a, and is narrower.
bool Dentro(Estremi a, Estremi b) {
    return b.minimo > a.minimo && b.massimo < a.massimo;
}

class CursoreCurva : public ::testing::Test {
protected:
    void SetUp() override {
        finestra.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
        grafico = finestra.GraficoDellaCurva();
        grafico->setFocus();
    }

    F finestra{RegioneItaliana()};
    GraficoCurva* grafico = nullptr;
};

} // namespace

// An arrow is one Passo, PgUp and PgDn ten, Ctrl+Home and Ctrl+End the ends.
TEST_F(CursoreCurva, PassiDellaGriglia) {
    Scrivi(finestra, F::CampoPasso, QStringLiteral("0,5"));
    grafico->PortaCursore(25.2);
    QTest::keyClick(grafico, Qt::Key_Right);
    EXPECT_EQ(T(grafico), QStringLiteral("T = 25,5 °C"));
    QTest::keyClick(grafico, Qt::Key_Right);
    EXPECT_EQ(T(grafico), QStringLiteral("T = 26 °C"));
    QTest::keyClick(grafico, Qt::Key_PageUp);
    EXPECT_EQ(T(grafico), QStringLiteral("T = 31 °C"));
    QTest::keyClick(grafico, Qt::Key_PageDown);
    QTest::keyClick(grafico, Qt::Key_Left);
    EXPECT_EQ(T(grafico), QStringLiteral("T = 25,5 °C"));
    QTest::keyClick(grafico, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(T(grafico), QStringLiteral("T = 125 °C"));
    QTest::keyClick(grafico, Qt::Key_PageUp);
    EXPECT_EQ(T(grafico), QStringLiteral("T = 125 °C"));
    QTest::keyClick(grafico, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(T(grafico), QStringLiteral("T = -40 °C"));
    // A range typed from hot to cold: Right still goes to the warmer row.
    Scrivi(finestra, F::CampoInizio, QStringLiteral("125"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("-40"));
    Scrivi(finestra, F::CampoPasso, QStringLiteral("-5"));
    grafico->PortaCursore(25);
    QTest::keyClick(grafico, Qt::Key_Right);
    EXPECT_EQ(T(grafico), QStringLiteral("T = 30 °C"));
}

// A temperature typed in the cursor's field takes every view's cursor there; the reading
// is copied by Ctrl+C on the plot or from the menu.
TEST_F(CursoreCurva, TemperaturaScrittaELetturaCopiata) {
    QLineEdit* campo = finestra.CasellaCursore();
    campo->setText(QStringLiteral("37,5"));
    QTest::keyClick(campo, Qt::Key_Return);
    EXPECT_TRUE(grafico->Lettura().startsWith(QStringLiteral("T = 37,5 °C   R = 5")))
        << grafico->Lettura().toStdString();
    EXPECT_EQ(T(finestra.GraficoDellErrore()), QString()); // no table, no error view
    EXPECT_EQ(grafico->Cursore(), 37.5);
    QApplication::clipboard()->clear();
    QTest::keyClick(grafico, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), grafico->TestoLettura());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("T = 37,5 °C")));
    // The pointer moves the other views' cursor and the field too.
    QTest::mouseMove(grafico, QPoint(grafico->width() - 1, grafico->height() / 2));
    EXPECT_EQ(campo->text(), QStringLiteral("125"));
    QApplication::clipboard()->clear();
    for (QAction* azione : finestra.findChildren<QAction*>()) {
        if (azione->shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)) {
            azione->trigger();
        }
    }
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("T = 125 °C")));
    // Not a temperature: said, and the cursor stays.
    campo->setText(QStringLiteral("caldo"));
    QTest::keyClick(campo, Qt::Key_Return);
    EXPECT_TRUE(finestra.Stato().contains(QStringLiteral("caldo")));
    EXPECT_EQ(grafico->Cursore(), 125);
}

// The wheel zooms about the pointer, over an axis that axis alone; a drag pans; Home and
// a double click show everything again.
TEST_F(CursoreCurva, ZoomESpostamento) {
    const Estremi x = grafico->EstremiX();
    const Estremi y = grafico->EstremiY();
    const QPointF centro(grafico->width() / 2.0, grafico->height() / 2.0);
    Rotella(grafico, centro, 2);
    EXPECT_TRUE(Dentro(x, grafico->EstremiX()));
    EXPECT_TRUE(Dentro(y, grafico->EstremiY()));
    Rotella(grafico, centro, -2);
    EXPECT_NEAR(grafico->EstremiX().minimo, x.minimo, 1e-9);
    EXPECT_NEAR(grafico->EstremiX().massimo, x.massimo, 1e-9);
    // Over the x labels, the x axis only.
    Rotella(grafico, QPointF(centro.x(), grafico->height() - 20), 3);
    EXPECT_TRUE(Dentro(x, grafico->EstremiX()));
    EXPECT_DOUBLE_EQ(grafico->EstremiY().minimo, y.minimo);
    QTest::keyClick(grafico, Qt::Key_Home);
    EXPECT_DOUBLE_EQ(grafico->EstremiX().minimo, x.minimo);
    // Over the y labels, the y axis only.
    Rotella(grafico, QPointF(10, centro.y()), 3);
    EXPECT_TRUE(Dentro(y, grafico->EstremiY()));
    EXPECT_DOUBLE_EQ(grafico->EstremiX().minimo, x.minimo);

    // A drag to the right shows lower temperatures.
    QTest::keyClick(grafico, Qt::Key_Home);
    Rotella(grafico, centro, 2);
    const Estremi ingrandita = grafico->EstremiX();
    QTest::mousePress(grafico, Qt::LeftButton, Qt::NoModifier, centro.toPoint());
    QTest::mouseMove(grafico, (centro + QPointF(100, 0)).toPoint());
    QTest::mouseRelease(grafico, Qt::LeftButton, Qt::NoModifier,
                        (centro + QPointF(100, 0)).toPoint());
    EXPECT_LT(grafico->EstremiX().minimo, ingrandita.minimo);
    EXPECT_NEAR(grafico->EstremiX().massimo - grafico->EstremiX().minimo,
                ingrandita.massimo - ingrandita.minimo, 1e-9);
    // A new model keeps the zoom; a new range shows it whole.
    Scrivi(finestra, "beta", "B", QStringLiteral("3435"));
    EXPECT_LT(grafico->EstremiX().minimo, ingrandita.minimo);
    Scrivi(finestra, F::CampoFine, QStringLiteral("150"));
    EXPECT_EQ(grafico->EstremiX().massimo, 150);
    EXPECT_EQ(grafico->EstremiX().minimo, -40);
    Rotella(grafico, centro, 2);
    QTest::mouseDClick(grafico, Qt::LeftButton, Qt::NoModifier, centro.toPoint());
    EXPECT_EQ(grafico->EstremiX().minimo, -40);
}
