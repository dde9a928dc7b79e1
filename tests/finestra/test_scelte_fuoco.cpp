// What a user expects of the history list and the About window beyond the buttons' own
// work: picks that Copy counts, readable lines, no closing under the About window.
#include "tests/finestra/finestra_di_prova.h"

#include <QScrollBar>

namespace {

QPoint CentroRiga(ListaStorico* lista, int riga) {
    return lista->visualRect(lista->model()->index(riga, 0)).center();
}

// Each way of picking a line, then Copy: CR LF and the picked line, not the register.
TEST(Scelte, CopiaContaOgniRigaScelta) {
    FinestraDiProva f;
    f.Digita("25");
    f.Tasto(Qt::Key_F4);
    using Scelta = std::function<int(ListaStorico*)>; // picks, and gives the line it picked
    const Scelta scelte[] = {
        [](ListaStorico* l) { // the newest line, already highlighted by the program
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, CentroRiga(l, l->Conta() - 1));
            return l->Conta() - 1;
        },
        [](ListaStorico* l) {
            QTest::keyClick(l, Qt::Key_Space);
            return l->Conta() - 1;
        },
        [](ListaStorico* l) {
            QTest::keyClick(l, Qt::Key_Home);
            return 0;
        },
        [](ListaStorico* l) {
            QTest::keyClick(l, Qt::Key_Home);
            QTest::keyClick(l, Qt::Key_End);
            return l->Conta() - 1;
        },
        [](ListaStorico* l) {
            QTest::keyClick(l, Qt::Key_Up);
            return l->Conta() - 2;
        },
    };
    for (const Scelta& scegli : scelte) {
        f.Clic(Schiera::Tasto, TASTO_INFO); // the program's highlight is no pick
        f.Tasto(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f.Appunti(), "77.0");
        f.Lista()->setFocus();
        const int riga = scegli(f.Lista());
        f.Tasto(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f.Appunti(), "\r\n" + f.Lista()->Riga(riga)) << riga;
        // Ctrl+Space drops the pick: the register again.
        f.Lista()->setFocus();
        QTest::keyClick(f.Lista(), Qt::Key_Space, Qt::ControlModifier);
        f.Tasto(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f.Appunti(), "77.0");
    }
}

// Every line of a conversion chain fits the list; a longer one can be scrolled to its end.
TEST(Storico, OgniRigaSiLeggeInteraNelPiccoloCarattereDellInterfaccia) {
    FinestraDiProva f;
    EXPECT_EQ(QFontInfo(f.Lista()->font()).family(), "Liberation Sans");
    EXPECT_NEAR(f.Lista()->font().pointSizeF(), 8.25, 0.01);
    f.Digita("10000r3950b");
    for (const char* temperatura : {"25", "-40", "150", "99.99999987849"}) {
        f.Digita(temperatura);
        f.Tasto(Qt::Key_F3);
        f.Tasto(Qt::Key_F2);
        f.Tasto(Qt::Key_F4);
        f.Tasto(Qt::Key_Delete);
    }
    EXPECT_TRUE(f.Storico().contains("697.51977298619 [Ohm] = 99.99999987849 [°C]"));
    const QFontMetrics metriche = f.Lista()->fontMetrics();
    for (const QString& riga : f.Storico()) {
        EXPECT_LT(metriche.horizontalAdvance(riga), f.Lista()->viewport()->width())
            << riga.toStdString();
    }
    QScrollBar* barra = f.Lista()->horizontalScrollBar();
    EXPECT_FALSE(barra->isVisible());
    const QString lunga = QString(60, u'9') + " [°C] = Errore";
    f.ImpostaRegistro(QString(60, u'9'));
    f.Tasto(Qt::Key_F4);
    ASSERT_EQ(f.UltimaRiga(), lunga);
    EXPECT_TRUE(QTest::qWaitFor([barra] { return barra->isVisible(); }));
    barra->setValue(barra->maximum());
    const QRect cella = f.Lista()->visualRect(f.Lista()->model()->index(f.Lista()->Conta() - 1, 0));
    EXPECT_GE(cella.left() + metriche.horizontalAdvance(lunga), 0);
    EXPECT_LE(cella.left() + metriche.horizontalAdvance(lunga), f.Lista()->viewport()->width());
    // Emptied, the list is as wide as its lines again.
    f.Clic(Schiera::Tasto, TASTO_CLEAR);
    EXPECT_TRUE(QTest::qWaitFor([barra] { return !barra->isVisible(); }));
}

// While the About window is shown, a close request of the main window is ignored.
TEST(About, LaFinestraPrincipaleNonSiChiudeFinchEMostrato) {
    FinestraDiProva f;
    f.Tasto(Qt::Key_F1);
    auto* about = QApplication::topLevelWidgets().value(0);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "Frm_About") {
            about = w;
        }
    }
    ASSERT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(f.finestra.close());
    EXPECT_TRUE(f.finestra.isVisible());
    EXPECT_FALSE(f.finestra.isEnabled());
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(f.finestra.isEnabled());
    EXPECT_TRUE(f.finestra.close());
}

} // namespace
