// The main window against its button table, and what must hold whatever the table says:
// everything inside the client area, nothing overlapping, the tab chain, the menu tree.
#include "finestra/tabella_pulsanti.h"
#include "risorse/avvio.h"
#include "tests/finestra/finestra_di_prova.h"

#include <QMenu>
#include <QMenuBar>
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
        EXPECT_EQ(w->text(), QString::fromUtf8(p.didascalia));
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(p.suggerimento));
        EXPECT_TRUE(w->isVisible() && w->isEnabled());
    }
    EXPECT_EQ(visti.size(), 23);
    // The controls the table does not hold.
    const std::tuple<const char*, QRect> altri[] = {{"Pic_Par", {8, 8, 257, 121}},
                                                    {"Img_Equazione", {7, 8, 236, 68}},
                                                    {"Lst_Storico", {280, 8, 257, 342}},
                                                    {"Display", {8, 136, 256, 25}}};
    for (const auto& [nome, posizione] : altri) {
        EXPECT_EQ(f.Controllo(nome)->geometry(), posizione) << nome;
    }
    EXPECT_EQ(f.Registro(), "0");
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

// Each separator is a grey line with a white one beside it, one pixel thick.
TEST(Layout, LineeDiSeparazione) {
    FinestraDiProva f;
    const QColor grigio(128, 128, 128), bianco(255, 255, 255);
    for (const auto& [scuro, chiaro] :
         {std::pair{"LinPar5", "LinPar4"}, {"LinPar0", "LinPar1"}, {"LinPar3", "LinPar2"}}) {
        SCOPED_TRACE(scuro);
        const QRect g = f.Controllo(scuro)->geometry(), b = f.Controllo(chiaro)->geometry();
        EXPECT_EQ(f.Controllo(scuro)->palette().color(QPalette::Window), grigio);
        EXPECT_EQ(f.Controllo(chiaro)->palette().color(QPalette::Window), bianco);
        EXPECT_EQ(std::min(g.width(), g.height()), 1);
        EXPECT_GT(std::max(g.width(), g.height()), 100);
        EXPECT_EQ(b, g.translated(g.width() == 1 ? 1 : 0, g.height() == 1 ? 1 : 0));
    }
}

TEST(Layout, FinestraFissaERegistro) {
    FinestraDiProva f;
    EXPECT_EQ(f.finestra.centralWidget()->geometry(),
              QRect(0, f.finestra.menuBar()->height(), 546, 361));
    EXPECT_EQ(f.finestra.size(), QSize(546, 361 + f.finestra.menuBar()->height()));
    EXPECT_EQ(f.finestra.minimumSize(), f.finestra.maximumSize());
    EXPECT_FALSE(f.finestra.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(f.Display()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(QFontInfo(f.Display()->font()).family(), "Liberation Sans Narrow");
    // The book arrives a moment after the first showing, at the window system's sizes.
    EXPECT_EQ(f.finestra.windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
}
TEST(Layout, AlberoDeiMenu) {
    FinestraDiProva f;
    QStringList albero;
    for (QAction* titolo : f.finestra.menuBar()->actions()) {
        albero << titolo->menu()->objectName() + "|" + titolo->text();
        for (QAction* v : titolo->menu()->actions()) {
            albero << v->objectName() + "|" + (v->isSeparator() ? "-" : v->text()) + "|" +
                          v->shortcut().toString();
        }
    }
    EXPECT_EQ(albero, (QStringList{"MenuFile|&File", "MenuApri|Apri NTC|Ctrl+F12",
                                   "MenuSalva|Salva NTC con nome...|Shift+F12", "MenuNull|-|",
                                   "MenuFine|Fine Programma|Ctrl+X", "MenuModifica|&Modifica",
                                   "MenuCopia|Copia|Ctrl+C", "MenuIncolla|Incolla|Ctrl+V",
                                   "MenuNullM0|-|", "MenuInviaCalc|Invia alla calcolatrice|Ctrl+I",
                                   "MenuAbout0|&?", "MenuAbout|Informazioni su...|F1"}));
}

} // namespace

TEST(TraduzioneQt, IDialoghiStandardParlanoItaliano) {
    ASSERT_TRUE(CaricaTraduzioneQt(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nome del file:");
}
