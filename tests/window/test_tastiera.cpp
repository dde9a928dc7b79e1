// The keyboard map wherever the focus is, and the keys it leaves to the controls.
#include "finestra_di_prova.h"

namespace {

TEST(Tastiera, MaschereDeiModificatori) {
    FinestraDiProva f;
    f.Digita("12");
    f.Tasto(Qt::Key_Delete, Qt::ControlModifier);
    f.Tasto(Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(f.Registro(), "12");
    EXPECT_EQ(f.Lista()->Conta(), 4);
    f.Tasto(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(f.Lista()->Conta(), 0);
    EXPECT_EQ(f.Registro(), "12");
    f.Tasto(Qt::Key_Delete);
    EXPECT_EQ(f.Registro(), "0");

    ParametriCorrenti() = ParametriNTC{10000, 3950};
    f.Digita("1000");
    f.Tasto(Qt::Key_F2, Qt::ShiftModifier);
    f.Tasto(Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
    f.Tasto(Qt::Key_F5);
    EXPECT_EQ(f.Registro(), "1000");
    EXPECT_EQ(f.Lista()->Conta(), 0);
}

TEST(Tastiera, LettereDeiParametri) {
    for (const char* lettera : {"r", "R"}) {
        FinestraDiProva f;
        f.Digita(QStringLiteral("4700") + lettera);
        EXPECT_EQ(ParametriCorrenti().R0, 4700) << lettera;
    }
    for (const char* lettera : {"b", "B"}) {
        FinestraDiProva f;
        f.Digita(QStringLiteral("3950") + lettera);
        EXPECT_EQ(ParametriCorrenti().B, 3950) << lettera;
    }
    FinestraDiProva f;
    f.Digita("12xk+");
    EXPECT_EQ(f.Registro(), "12");
    EXPECT_EQ(ParametriCorrenti().R0, 0);
}

TEST(Tastiera, FunzionaDaOgniControllo) {
    FinestraDiProva f;
    for (const char* nome : {"Cmd_Tasto7", "Cmd_Par1", "Cmd_Operazione3", "Lst_Storico"}) {
        f.finestra->findChild<QWidget*>(nome)->setFocus();
        f.Tasto(Qt::Key_Delete);
        f.Digita("58");
        EXPECT_EQ(f.Registro(), "58") << nome;
    }
}

TEST(Tastiera, ITastiDellaMappaNonArrivanoAlControllo) {
    FinestraDiProva f;
    // A focused button must not press itself, the list must not search by the letter.
    f.Pulsante("Cmd_Tasto7")->setFocus();
    f.Digita("b");
    EXPECT_EQ(f.Registro(), "0");
    f.Lista()->setFocus();
    const int ultima = f.Lista()->Conta() - 1;
    f.Digita("p");
    f.Digita("5");
    EXPECT_EQ(f.Lista()->RigaCorrente(), ultima);
    EXPECT_EQ(f.Registro(), "5");
}

TEST(Tastiera, TabFrecceESpazioRestanoAiControlli) {
    FinestraDiProva f;
    f.Pulsante("Cmd_Par0")->setFocus();
    f.Tasto(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.Pulsante("Cmd_Par1"));
    f.Tasto(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.Pulsante("Cmd_Tasto16"));

    f.Pulsante("Cmd_Tasto7")->setFocus();
    f.Tasto(Qt::Key_Space);
    EXPECT_EQ(f.Registro(), "7");

    f.Lista()->setFocus();
    f.Tasto(Qt::Key_Up);
    EXPECT_EQ(f.Lista()->RigaCorrente(), f.Lista()->Conta() - 2);
}

TEST(Tastiera, LeScorciatoieDeiMenuDaOgniControllo) {
    FinestraDiProva f;
    int scelte = 0;
    QAction* copia = f.finestra->findChild<QAction*>("MenuCopia");
    QObject::connect(copia, &QAction::triggered, [&scelte] { ++scelte; });
    for (const char* nome : {"Cmd_Tasto7", "Lst_Storico", "Cmd_Par0"}) {
        f.finestra->findChild<QWidget*>(nome)->setFocus();
        f.Tasto(Qt::Key_C, Qt::ControlModifier);
    }
    f.finestra->setFocus();
    f.Tasto(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(scelte, 4);
}

} // namespace
