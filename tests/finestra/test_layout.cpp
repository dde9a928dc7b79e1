// The main window against its button table, and what must hold whatever the table says:
// everything inside the client area, nothing overlapping, the tab chain.
#include "finestra/tabella_pulsanti.h"
#include "risorse/avvio.h"
#include "tests/finestra/finestra_di_prova.h"

#include <QPushButton>

namespace {

// Twips to pixels here on their own, so a slip in the program's conversion shows.
int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

TEST(Layout, OgniPulsanteDellaTabella) {
    FinestraDiProva f;
    QSet<QWidget*> visti;
    for (const Pulsante& p : PULSANTI) {
        SCOPED_TRACE(NomePulsante(p.schiera, p.indice).toStdString());
        auto* w = f.finestra.findChild<QPushButton*>(NomePulsante(p.schiera, p.indice));
        ASSERT_NE(w, nullptr);
        visti.insert(w);
        EXPECT_EQ(w->parentWidget()->objectName(), p.inPicPar ? "Pic_Par" : "MainFormCliente");
        EXPECT_EQ(w->geometry(), QRect(Px(p.sinistra), Px(p.alto), Px(p.larghezza), Px(p.altezza)));
        EXPECT_TRUE(w->isVisible() && w->isEnabled());
    }
    EXPECT_EQ(visti.size(), 23);
}

// Every control lies inside its parent, and no two siblings overlap (the lines aside).
TEST(Layout, DentroLAreaESenzaSovrapposizioni) {
    FinestraDiProva f;
    for (const char* genitore : {"MainFormCliente", "Pic_Par"}) {
        QWidget* g = f.Controllo(genitore);
        QList<QWidget*> figli;
        for (QWidget* w : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->objectName().startsWith("LinPar")) {
                figli << w;
            }
        }
        ASSERT_GE(figli.size(), 3) << genitore;
        for (qsizetype i = 0; i < figli.size(); ++i) {
            EXPECT_TRUE(g->rect().contains(figli[i]->geometry()))
                << figli[i]->objectName().toStdString();
            for (qsizetype j = i + 1; j < figli.size(); ++j) {
                EXPECT_FALSE(figli[i]->geometry().intersects(figli[j]->geometry()))
                    << figli[i]->objectName().toStdString() << " "
                    << figli[j]->objectName().toStdString();
            }
        }
    }
}

// Tab runs through the parameters, the housekeeping keys, the keypad, the conversions, the
// list and the picture box, and from there back to "R0", Shift+Tab the other way; nothing
// else takes the focus.
TEST(Layout, CatenaDelTab) {
    FinestraDiProva f;
    const QStringList attesa = {
        "R0",   "B",        "Reset",    "Info",    "Clear",  "1",           "2",      "3",   "4",
        "5",    "6",        "7",        "8",       "9",      "0",           ".",      "+/-", "C",
        "Back", "Ohm > °C", "°C > Ohm", "°C > °F", "°C > K", "Lst_Storico", "Pic_Par"};
    // Tab itself, so that the window or a control outside the chain would show as a stop.
    f.Controllo(Schiera::Par, PAR_R0)->setFocus();
    QStringList catena;
    for (qsizetype i = 0; i < attesa.size(); ++i) {
        QWidget* w = f.Fuoco();
        auto* pulsante = qobject_cast<QPushButton*>(w);
        catena << (w == nullptr ? "-" : pulsante != nullptr ? pulsante->text() : w->objectName());
        f.Tasto(Qt::Key_Tab);
    }
    EXPECT_EQ(catena, attesa);
    EXPECT_EQ(f.Fuoco(), f.Controllo(Schiera::Par, PAR_R0));
    f.Tasto(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(f.Fuoco(), f.Controllo("Pic_Par"));
    f.Tasto(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(f.Fuoco(), f.Controllo("Lst_Storico"));
    for (const char* senzaFuoco : {"Display", "Img_Equazione", "LinPar0"}) {
        EXPECT_EQ(f.Controllo(senzaFuoco)->focusPolicy(), Qt::NoFocus) << senzaFuoco;
    }
}

} // namespace

TEST(TraduzioneQt, IDialoghiStandardParlanoItaliano) {
    ASSERT_TRUE(CaricaTraduzioneQt(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nome del file:");
}
