// The edit menu through the window: what Copy takes, Paste, and the calculator guard.
#include "finestra_di_prova.h"

#include <QAction>

namespace {

void Scegli(const FinestraDiProva& f, const char* azione) {
    f.finestra->findChild<QAction*>(azione)->trigger();
}

TEST(Copia, DopoUnaScritturaCopiaIlRegistro) {
    FinestraDiProva f;
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    f.Digita("25");
    f.Tasto(Qt::Key_F3);
    f.Tasto(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(f.servizi.appunti->testo, "10000.0");
    EXPECT_EQ(f.servizi.appunti->svuotati, 1);
}

TEST(Copia, UnaRigaSceltaDallUtente) {
    FinestraDiProva f;
    QTest::mouseClick(f.Lista()->viewport(), Qt::LeftButton, {},
                      f.Lista()->visualRect(f.Lista()->model()->index(1, 0)).center());
    Scegli(f, "MenuCopia");
    EXPECT_EQ(f.servizi.appunti->testo, "\r\n* R0 = 0.0");
    // With the arrow keys as well; and the next write takes the choice back.
    f.Lista()->setFocus();
    f.Tasto(Qt::Key_Up);
    Scegli(f, "MenuCopia");
    EXPECT_EQ(f.servizi.appunti->testo, "\r\nParametri NTC:");
    f.Clic("Cmd_Tasto15");
    Scegli(f, "MenuCopia");
    EXPECT_EQ(f.servizi.appunti->testo, "0");
}

TEST(Copia, DopoClearNienteESelezionato) {
    FinestraDiProva f;
    f.Lista()->ImpostaRigaCorrente(0);
    f.finestra->ImpostaRegistro("Errore");
    f.Tasto(Qt::Key_Delete, Qt::ShiftModifier);
    Scegli(f, "MenuCopia");
    EXPECT_EQ(f.servizi.appunti->testo, "Errore");
}

TEST(Incolla, NelRegistroENullAltro) {
    for (const Regione& r : {Regione{".", ","}, Regione{",", "."}}) {
        FinestraDiProva f(r);
        const QStringList storico = f.Storico();
        f.servizi.appunti->testo = "12,5";
        f.Tasto(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f.Registro(), r.decimale == "," ? "12.5" : "125");
        f.servizi.appunti->testo = "Errore";
        Scegli(f, "MenuIncolla");
        EXPECT_EQ(f.Registro(), r.decimale == "," ? "12.5" : "125");
        f.Digita("3");
        EXPECT_EQ(f.Registro(), r.decimale == "," ? "12.53" : "1253");
        EXPECT_EQ(f.Storico(), storico);
        EXPECT_EQ(ParametriCorrenti().R0, 0);
    }
}

TEST(Calcolatrice, SoloUnNumeroAvviaLaCalcolatrice) {
    FinestraDiProva f;
    f.finestra->ImpostaRegistro("Errore");
    f.Tasto(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(f.servizi.calcolatrice->avvii.empty());
    f.finestra->ImpostaRegistro("1E+20");
    const QStringList storico = f.Storico();
    f.Tasto(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(f.servizi.calcolatrice->avvii, (std::vector<std::string>{"1E+20"}));
    EXPECT_EQ(f.Storico(), storico);
    EXPECT_EQ(f.Registro(), "1E+20");
}

} // namespace
