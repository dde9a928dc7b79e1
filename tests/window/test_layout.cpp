// The main window against its control table and menu tree.
#include "servizi_finti.h"
#include "window/main_form.h"

#include "window/lista_storico.h"
#include <QAction>
#include <QLabel>
#include <QLayout>

#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Riga {
    const char* nome;
    const char* didascalia;
    const char* suggerimento;
    int sinistra, alto, larghezza, altezza; // twips
    int tab;                                // -1: takes no focus
    const char* genitore;
};

// Positions in twips, converted here on their own so a slip in the program's conversion shows.
int Pixel(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

const Riga RIGHE[] = {
    {"Cmd_Operazione3", "°C > K", "Trasforma in K", 3240, 4845, 735, 435, 22, "MainFormCliente"},
    {"Cmd_Operazione2", "°C > °F", "Trasforma in °F", 2400, 4845, 735, 435, 21, "MainFormCliente"},
    {"Cmd_Tasto12", "Clear", "Cancella lista", 3240, 2500, 735, 435, 4, "MainFormCliente"},
    {"Cmd_Tasto16", "Reset", "Annulla tutti i coefficienti inseriti", 120, 2500, 735, 435, 2,
     "MainFormCliente"},
    {"Cmd_Tasto15", "Info", "Informazioni sui parametri inseriti", 960, 2500, 735, 435, 3,
     "MainFormCliente"},
    {"Cmd_Tasto14", "Back", "Cancella ultimo numero inserito", 3240, 3255, 735, 435, 18,
     "MainFormCliente"},
    {"Cmd_Tasto13", "C", "Cancella", 2400, 3255, 735, 435, 17, "MainFormCliente"},
    {"Cmd_Operazione1", "°C > Ohm", "Calcola la resistenza", 2400, 4320, 1575, 435, 20,
     "MainFormCliente"},
    {"Cmd_Operazione0", "Ohm > °C", "Calcola la temperatura", 2400, 3795, 1575, 435, 19,
     "MainFormCliente"},
    {"Cmd_Tasto11", "+/-", "Cambio segno", 1560, 4845, 615, 435, 16, "MainFormCliente"},
    {"Cmd_Tasto10", ".", "Punto decimale", 840, 4845, 615, 435, 15, "MainFormCliente"},
    {"Cmd_Tasto0", "0", "0", 120, 4845, 615, 435, 14, "MainFormCliente"},
    {"Cmd_Tasto9", "9", "9", 1560, 4320, 615, 435, 13, "MainFormCliente"},
    {"Cmd_Tasto8", "8", "8", 840, 4320, 615, 435, 12, "MainFormCliente"},
    {"Cmd_Tasto7", "7", "7", 120, 4320, 615, 435, 11, "MainFormCliente"},
    {"Cmd_Tasto6", "6", "6", 1560, 3795, 615, 435, 10, "MainFormCliente"},
    {"Cmd_Tasto5", "5", "5", 840, 3795, 615, 435, 9, "MainFormCliente"},
    {"Cmd_Tasto4", "4", "4", 120, 3795, 615, 435, 8, "MainFormCliente"},
    {"Cmd_Tasto3", "3", "3", 1560, 3255, 615, 435, 7, "MainFormCliente"},
    {"Cmd_Tasto2", "2", "2", 840, 3255, 615, 435, 6, "MainFormCliente"},
    {"Pic_Par", nullptr, nullptr, 120, 120, 3855, 1815, 24, "MainFormCliente"},
    {"Cmd_Par1", "B", "Coefficiente B", 840, 1250, 645, 375, 1, "Pic_Par"},
    {"Cmd_Par0", "R0", "Valore della resistenza a 25°C", 120, 1250, 645, 375, 0, "Pic_Par"},
    {"Img_Equazione", nullptr, nullptr, 105, 120, 3540, 1020, -1, "Pic_Par"},
    {"Lst_Storico", nullptr, nullptr, 4200, 120, 3855, 5130, 23, "MainFormCliente"},
    {"Cmd_Tasto1", "1", "1", 120, 3255, 615, 435, 5, "MainFormCliente"},
    {"Display", "0", nullptr, 120, 2040, 3840, 375, -1, "MainFormCliente"},
};

class Layout : public ::testing::Test {
protected:
    ServiziFinti servizi;
    MainForm finestra{Regione{".", ","}, servizi.Crea()};

    QWidget* Controllo(const char* nome) {
        return finestra.findChild<QWidget*>(QString::fromLatin1(nome));
    }
};

TEST_F(Layout, OgniRigaDellaTabellaControlli) {
    for (const Riga& r : RIGHE) {
        SCOPED_TRACE(r.nome);
        QWidget* w = Controllo(r.nome);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(r.genitore));
        EXPECT_EQ(w->geometry(),
                  QRect(Pixel(r.sinistra), Pixel(r.alto), Pixel(r.larghezza), Pixel(r.altezza)));
        EXPECT_TRUE(w->isVisibleTo(&finestra));
        EXPECT_TRUE(w->isEnabled());
        if (auto* p = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(p->text(), QString::fromUtf8(r.didascalia));
            EXPECT_EQ(p->toolTip(), QString::fromUtf8(r.suggerimento));
            EXPECT_FALSE(p->autoDefault());
        } else if (auto* l = qobject_cast<QLabel*>(w); l && r.didascalia) {
            EXPECT_EQ(l->text(), QString::fromUtf8(r.didascalia));
        }
        EXPECT_EQ(w->focusPolicy() != Qt::NoFocus, r.tab >= 0);
    }
}

TEST_F(Layout, OrdineDiTabulazione) {
    std::vector<const Riga*> perTab;
    for (const Riga& r : RIGHE) {
        if (r.tab >= 0) {
            perTab.push_back(&r);
        }
    }
    std::sort(perTab.begin(), perTab.end(), [](auto a, auto b) { return a->tab < b->tab; });
    ASSERT_EQ(perTab.size(), 25u);
    auto prossimo = [](QWidget* w) {
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    for (size_t i = 1; i < perTab.size(); ++i) {
        EXPECT_EQ(prossimo(Controllo(perTab[i - 1]->nome)), Controllo(perTab[i]->nome))
            << perTab[i - 1]->nome;
    }
}

TEST_F(Layout, UnRigaSopraQuelleSeguentiDoveSiSovrappongono) {
    // Among siblings, Qt keeps the topmost last in children().
    auto posizione = [](QWidget* w) { return w->parentWidget()->children().indexOf(w); };
    for (size_t i = 1; i < std::size(RIGHE); ++i) {
        QWidget* sopra = Controllo(RIGHE[i - 1].nome);
        QWidget* sotto = Controllo(RIGHE[i].nome);
        if (sopra->parentWidget() == sotto->parentWidget()) {
            EXPECT_GT(posizione(sopra), posizione(sotto)) << RIGHE[i - 1].nome;
        }
    }
}

TEST_F(Layout, Finestra) {
    EXPECT_EQ(finestra.windowTitle(), QStringLiteral("Brevanto"));
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    QWidget* cliente = finestra.centralWidget();
    EXPECT_EQ(cliente->size(), QSize(546, 361));
    EXPECT_EQ(cliente->y(), finestra.menuBar()->height());
    EXPECT_EQ(finestra.size(), QSize(546, 361 + finestra.menuBar()->height()));
    EXPECT_EQ(finestra.minimumSize(), finestra.maximumSize());
    EXPECT_FALSE(finestra.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(finestra.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(Layout, RegistroELista) {
    auto* display = finestra.findChild<QLabel*>(QStringLiteral("Display"));
    EXPECT_EQ(display->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(display->font().family(), QStringLiteral("Arial Narrow"));
    EXPECT_EQ(display->font().pointSizeF(), 12);
    EXPECT_FALSE(display->font().bold() || display->font().italic() || display->font().underline());
    EXPECT_EQ(QFontInfo(display->font()).family(), QStringLiteral("Liberation Sans Narrow"));
    EXPECT_EQ(display->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(display->frameShape(), QFrame::Box);
    EXPECT_EQ(Controllo("Pic_Par")->palette().color(QPalette::Window), QColor(192, 192, 192));

    auto* lista = finestra.findChild<ListaStorico*>(QStringLiteral("Lst_Storico"));
    EXPECT_EQ(lista->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(lista->isSortingEnabled());
    EXPECT_FALSE(lista->horizontalHeader()->isVisible() || lista->verticalHeader()->isVisible());

    auto* equazione = finestra.findChild<QLabel*>(QStringLiteral("Img_Equazione"));
    EXPECT_EQ(equazione->pixmap().deviceIndependentSize().toSize(), QSize(234, 66));
    EXPECT_EQ(equazione->frameShape(), QFrame::Box);
    EXPECT_EQ(equazione->lineWidth(), 1);
}

TEST_F(Layout, LineeDiSeparazione) {
    struct Linea {
        const char* nome;
        int x1, y1, x2, y2;
        QColor colore;
    };
    const QColor grigio(128, 128, 128), bianco(255, 255, 255);
    const Linea linee[] = {
        {"LinPar5", 3960, 3105, 120, 3105, grigio},  {"LinPar4", 3960, 3120, 120, 3120, bianco},
        {"LinPar1", 4095, 120, 4095, 5280, bianco},  {"LinPar0", 4080, 120, 4080, 5280, grigio},
        {"LinPar2", 2295, 3120, 2295, 5280, bianco}, {"LinPar3", 2280, 3120, 2280, 5280, grigio},
    };
    for (const Linea& l : linee) {
        SCOPED_TRACE(l.nome);
        QWidget* w = Controllo(l.nome);
        ASSERT_NE(w, nullptr);
        const QRect attesa =
            QRect(QPoint(Pixel(std::min(l.x1, l.x2)), Pixel(std::min(l.y1, l.y2))),
                  QPoint(Pixel(std::max(l.x1, l.x2)), Pixel(std::max(l.y1, l.y2))));
        // One pixel thick, spanning from one end to the other.
        EXPECT_EQ(w->x(), attesa.x());
        EXPECT_EQ(w->y(), attesa.y());
        EXPECT_EQ(std::min(w->width(), w->height()), 1);
        EXPECT_EQ(std::max(w->width(), w->height()) + 1, std::max(attesa.width(), attesa.height()));
        EXPECT_EQ(w->palette().color(QPalette::Window), l.colore);
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(Layout, AlberoDeiMenu) {
    struct Voce {
        const char* menu;
        const char* nome;
        const char* testo; // nullptr: separator
        QKeySequence scorciatoia;
    };
    const Voce voci[] = {
        {"MenuFile", "MenuApri", "Apri NTC", QKeySequence(Qt::CTRL | Qt::Key_F12)},
        {"MenuFile", "MenuSalva", "Salva NTC con nome...", QKeySequence(Qt::SHIFT | Qt::Key_F12)},
        {"MenuFile", "MenuNull", nullptr, {}},
        {"MenuFile", "MenuFine", "Fine Programma", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"MenuModifica", "MenuCopia", "Copia", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"MenuModifica", "MenuIncolla", "Incolla", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"MenuModifica", "MenuNullM0", nullptr, {}},
        {"MenuModifica", "MenuInviaCalc", "Invia alla calcolatrice",
         QKeySequence(Qt::CTRL | Qt::Key_I)},
        {"MenuAbout0", "MenuAbout", "Informazioni su...", QKeySequence(Qt::Key_F1)},
    };
    const QList<QAction*> titoli = finestra.menuBar()->actions();
    ASSERT_EQ(titoli.size(), 3);
    const char* nomi[] = {"MenuFile", "MenuModifica", "MenuAbout0"};
    const char* testi[] = {"&File", "&Modifica", "&?"};
    size_t v = 0;
    for (int m = 0; m < 3; ++m) {
        QMenu* menu = titoli[m]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromLatin1(nomi[m]));
        EXPECT_EQ(titoli[m]->text(), QString::fromLatin1(testi[m]));
        for (QAction* azione : menu->actions()) {
            ASSERT_LT(v, std::size(voci));
            const Voce& atteso = voci[v++];
            SCOPED_TRACE(atteso.nome);
            EXPECT_EQ(QString::fromLatin1(atteso.menu), menu->objectName());
            EXPECT_EQ(azione->objectName(), QString::fromLatin1(atteso.nome));
            EXPECT_EQ(azione->isSeparator(), atteso.testo == nullptr);
            if (atteso.testo != nullptr) {
                EXPECT_EQ(azione->text(), QString::fromUtf8(atteso.testo));
                EXPECT_EQ(azione->shortcut(), atteso.scorciatoia);
                EXPECT_TRUE(azione->isEnabled() && azione->isVisible());
                EXPECT_FALSE(azione->isCheckable());
            }
        }
    }
    EXPECT_EQ(v, std::size(voci));
}

} // namespace
