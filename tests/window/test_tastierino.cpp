// The keypad, by mouse and by keyboard, and where the focus goes.
#include "finestra_di_prova.h"

namespace {

// Button names of the keypad by caption, for readable sequences.
QString NomeDelTasto(const QString& didascalia) {
    static const QStringList didascalie = {"0",     "1", "2",    "3",    "4",    "5",
                                           "6",     "7", "8",    "9",    ".",    "+/-",
                                           "Clear", "C", "Back", "Info", "Reset"};
    return QStringLiteral("Cmd_Tasto%1").arg(didascalie.indexOf(didascalia));
}

struct Sequenza {
    std::vector<const char*> tasti;
    const char* registro;
};

const Sequenza SEQUENZE[] = {
    {{"7", "0"}, "70"},
    {{"0", "0"}, "0"},
    {{"0", "."}, "0."},
    {{"0", ".", "5", "."}, "0.5"},
    {{"5", "Back", "."}, "0."},
    {{"5", "+/-", "Back", ".", "5"}, "-.5"},
    {{"5", "+/-", "Back", "Back"}, "0"},
    {{"1", "2", "Back"}, "1"},
    {{"5", "+/-"}, "-5"},
    {{"5", "+/-", "+/-"}, "5"},
    {{"0", ".", "5", "+/-"}, "-0.5"},
    {{"1", "2", ".", "+/-"}, "-12"},
    {{"1", "2", "C"}, "0"},
    {{"4", "2", "Clear", "Info", "Reset"}, "42"},
};

TEST(Tastierino, SequenzeConIlMouse) {
    FinestraDiProva f;
    for (const Sequenza& s : SEQUENZE) {
        f.Clic("Cmd_Tasto13");
        for (const char* t : s.tasti) {
            f.Clic(NomeDelTasto(t));
        }
        EXPECT_EQ(f.Registro(), QString::fromUtf8(s.registro)) << s.tasti.size();
    }
}

TEST(Tastierino, LeStesseSequenzeDallaTastiera) {
    // The keyboard reaches the same handlers: C by Delete, Back by Backspace, and so on.
    const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> tasti = {
        {"C", {Qt::Key_Delete, Qt::NoModifier}},
        {"Back", {Qt::Key_Backspace, Qt::NoModifier}},
        {"+/-", {Qt::Key_Minus, Qt::NoModifier}},
        {".", {Qt::Key_Comma, Qt::NoModifier}},
        {"Clear", {Qt::Key_Delete, Qt::ShiftModifier}},
    };
    FinestraDiProva f;
    for (const Sequenza& s : SEQUENZE) {
        if (std::any_of(s.tasti.begin(), s.tasti.end(), [](const char* t) {
                return std::string(t) == "Info" || std::string(t) == "Reset";
            })) {
            continue; // no key for these two
        }
        f.Tasto(Qt::Key_Delete);
        for (const char* t : s.tasti) {
            if (const auto it = tasti.find(t); it != tasti.end()) {
                f.Tasto(it->second.first, it->second.second);
            } else {
                f.Digita(QString::fromUtf8(t));
            }
        }
        EXPECT_EQ(f.Registro(), QString::fromUtf8(s.registro));
    }
}

TEST(Tastierino, PuntoEVirgolaDannoEntrambiIlPunto) {
    FinestraDiProva f;
    f.Digita("2,5");
    EXPECT_EQ(f.Registro(), "2.5");
    f.Tasto(Qt::Key_Delete);
    f.Digita("2.5");
    EXPECT_EQ(f.Registro(), "2.5");
}

TEST(Tastierino, RegistroDiQualunqueLunghezza) {
    FinestraDiProva f;
    const QString quaranta = QString("1234567890").repeated(4);
    f.Digita(quaranta);
    EXPECT_EQ(f.Registro(), quaranta);
}

TEST(Tastierino, ClearInfoEResetNonToccanoIlRegistro) {
    FinestraDiProva f;
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    f.Digita("42");
    f.Clic("Cmd_Tasto12");
    EXPECT_EQ(f.Lista()->Conta(), 0);
    EXPECT_EQ(f.Lista()->selectionModel()->selectedRows().size(), 0);
    f.Clic("Cmd_Tasto15");
    EXPECT_EQ(f.Storico(), (QStringList{"Parametri NTC:", "* R0 = 10000.0", "* B  = 3950.0", ""}));
    f.Clic("Cmd_Tasto16");
    EXPECT_EQ(f.Storico().mid(4), (QStringList{"Reset eseguito", "", "Parametri NTC:", "* R0 = 0.0",
                                               "* B  = 0.0", ""}));
    EXPECT_EQ(ParametriCorrenti().R0, 0);
    EXPECT_EQ(ParametriCorrenti().B, 0);
    EXPECT_EQ(f.Registro(), "42");
}

TEST(Tastierino, UnIndiceFuoriTabellaSpostaSoloIlFuoco) {
    FinestraDiProva f;
    f.Digita("9");
    const QStringList prima = f.Storico();
    for (const qint16 indice : {-1, 17, 100, -32768}) {
        f.finestra->setFocus();
        f.finestra->Cmd_Tasto_Click(indice);
        EXPECT_EQ(f.Registro(), "9");
        EXPECT_EQ(f.Storico(), prima);
        EXPECT_EQ(QApplication::focusWidget(), f.Lista());
    }
}

TEST(Fuoco, DopoUnClicSullaListaDopoUnTastoSullaFinestra) {
    FinestraDiProva f;
    for (const char* nome : {"Cmd_Tasto5", "Cmd_Tasto12", "Cmd_Tasto15", "Cmd_Tasto16", "Cmd_Par0",
                             "Cmd_Operazione3"}) {
        f.Clic(nome);
        EXPECT_EQ(QApplication::focusWidget(), f.Lista()) << nome;
    }
    f.Digita("3");
    EXPECT_EQ(QApplication::focusWidget(), f.finestra.get());
    // Typing after a click on a button still reaches the register.
    f.Clic("Cmd_Tasto13");
    f.Digita("12");
    EXPECT_EQ(f.Registro(), "12");
    f.Tasto(Qt::Key_F9); // no row: still the focus step
    EXPECT_EQ(QApplication::focusWidget(), f.finestra.get());
}

TEST(Fuoco, AllAvvioSullaFinestra) {
    FinestraDiProva f;
    EXPECT_EQ(QApplication::focusWidget(), f.finestra.get());
}

} // namespace
