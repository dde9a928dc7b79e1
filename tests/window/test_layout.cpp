// The main window against its control table, its lines and its menu tree.
#include "finestra_di_prova.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Twips to pixels here on their own, so a slip in the program's conversion shows.
int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

struct Riga {
    const char *nome, *didascalia, *suggerimento;
    int sinistra, alto, larghezza, altezza; // twips
    int tab;                                // -1: takes no focus
    const char* genitore;
};

constexpr const char* C = "MainFormCliente";
constexpr const char* P = "Pic_Par";
// clang-format off
const Riga RIGHE[] = {
    {"Cmd_Operazione3", "°C > K", "Trasforma in K", 3240, 4845, 735, 435, 22, C},
    {"Cmd_Operazione2", "°C > °F", "Trasforma in °F", 2400, 4845, 735, 435, 21, C},
    {"Cmd_Tasto12", "Clear", "Cancella lista", 3240, 2500, 735, 435, 4, C},
    {"Cmd_Tasto16", "Reset", "Annulla tutti i coefficienti inseriti", 120, 2500, 735, 435, 2, C},
    {"Cmd_Tasto15", "Info", "Informazioni sui parametri inseriti", 960, 2500, 735, 435, 3, C},
    {"Cmd_Tasto14", "Back", "Cancella ultimo numero inserito", 3240, 3255, 735, 435, 18, C},
    {"Cmd_Tasto13", "C", "Cancella", 2400, 3255, 735, 435, 17, C},
    {"Cmd_Operazione1", "°C > Ohm", "Calcola la resistenza", 2400, 4320, 1575, 435, 20, C},
    {"Cmd_Operazione0", "Ohm > °C", "Calcola la temperatura", 2400, 3795, 1575, 435, 19, C},
    {"Cmd_Tasto11", "+/-", "Cambio segno", 1560, 4845, 615, 435, 16, C},
    {"Cmd_Tasto10", ".", "Punto decimale", 840, 4845, 615, 435, 15, C},
    {"Cmd_Tasto0", "0", "0", 120, 4845, 615, 435, 14, C},
    {"Cmd_Tasto9", "9", "9", 1560, 4320, 615, 435, 13, C},
    {"Cmd_Tasto8", "8", "8", 840, 4320, 615, 435, 12, C},
    {"Cmd_Tasto7", "7", "7", 120, 4320, 615, 435, 11, C},
    {"Cmd_Tasto6", "6", "6", 1560, 3795, 615, 435, 10, C},
    {"Cmd_Tasto5", "5", "5", 840, 3795, 615, 435, 9, C},
    {"Cmd_Tasto4", "4", "4", 120, 3795, 615, 435, 8, C},
    {"Cmd_Tasto3", "3", "3", 1560, 3255, 615, 435, 7, C},
    {"Cmd_Tasto2", "2", "2", 840, 3255, 615, 435, 6, C},
    {"Pic_Par", nullptr, nullptr, 120, 120, 3855, 1815, 24, C},
    {"Cmd_Par1", "B", "Coefficiente B", 840, 1250, 645, 375, 1, P},
    {"Cmd_Par0", "R0", "Valore della resistenza a 25°C", 120, 1250, 645, 375, 0, P},
    {"Img_Equazione", nullptr, nullptr, 105, 120, 3540, 1020, -1, P},
    {"Lst_Storico", nullptr, nullptr, 4200, 120, 3855, 5130, 23, C},
    {"Cmd_Tasto1", "1", "1", 120, 3255, 615, 435, 5, C},
    {"Display", "0", nullptr, 120, 2040, 3840, 375, -1, C},
};
// clang-format on

TEST(Layout, OgniRigaDellaTabellaControlli) {
    FinestraDiProva f;
    std::map<int, QWidget*> perTab;
    for (const Riga& r : RIGHE) {
        SCOPED_TRACE(r.nome);
        QWidget* w = f.Controllo(r.nome);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), r.genitore);
        EXPECT_EQ(w->geometry(), QRect(Px(r.sinistra), Px(r.alto), Px(r.larghezza), Px(r.altezza)));
        EXPECT_TRUE(w->isVisible() && w->isEnabled());
        if (auto* p = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(p->text(), QString::fromUtf8(r.didascalia));
            EXPECT_EQ(p->toolTip(), QString::fromUtf8(r.suggerimento));
        } else if (auto* l = qobject_cast<QLabel*>(w); l && r.didascalia) {
            EXPECT_EQ(l->text(), r.didascalia);
        }
        EXPECT_EQ(w->focusPolicy() != Qt::NoFocus, r.tab >= 0);
        if (r.tab >= 0) {
            perTab[r.tab] = w;
        }
    }
    ASSERT_EQ(perTab.size(), 25u);
    for (int i = 1; i < 25; ++i) {
        QWidget* w = perTab[i - 1];
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(w, perTab[i]) << i;
    }
}

TEST(Layout, LineeDiSeparazione) {
    FinestraDiProva f;
    const QColor grigio(128, 128, 128), bianco(255, 255, 255);
    const std::tuple<const char*, int, int, int, int, QColor> linee[] = {
        {"LinPar5", 3960, 3105, 120, 3105, grigio},  {"LinPar4", 3960, 3120, 120, 3120, bianco},
        {"LinPar1", 4095, 120, 4095, 5280, bianco},  {"LinPar0", 4080, 120, 4080, 5280, grigio},
        {"LinPar2", 2295, 3120, 2295, 5280, bianco}, {"LinPar3", 2280, 3120, 2280, 5280, grigio}};
    for (const auto& [nome, x1, y1, x2, y2, colore] : linee) {
        QWidget* w = f.Controllo(nome);
        ASSERT_NE(w, nullptr) << nome;
        // One pixel thick, from one end to the other.
        const QRect attesa(QPoint(Px(std::min(x1, x2)), Px(y1)),
                           QPoint(Px(std::max(x1, x2)), Px(y2)));
        EXPECT_EQ(w->geometry(), attesa.adjusted(0, 0, attesa.width() == 1 ? 0 : -1,
                                                 attesa.height() == 1 ? 0 : -1))
            << nome;
        EXPECT_EQ(w->palette().color(QPalette::Window), colore) << nome;
    }
}

TEST(Layout, FinestraFissaERegistro) {
    FinestraDiProva f;
    EXPECT_EQ(f.finestra.centralWidget()->geometry(),
              QRect(0, f.finestra.menuBar()->height(), 546, 361));
    EXPECT_EQ(f.finestra.size(), QSize(546, 361 + f.finestra.menuBar()->height()));
    EXPECT_EQ(f.finestra.minimumSize(), f.finestra.maximumSize());
    EXPECT_FALSE(f.finestra.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    auto* display = f.finestra.findChild<QLabel*>("Display");
    EXPECT_EQ(display->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(QFontInfo(display->font()).family(), "Liberation Sans Narrow");
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
