// The main window at work: history, keys and focus, conversions, clipboard, files, the end.
#include "tests/finestra/finestra_di_prova.h"

#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QStringList VUOTO = {"Parametri NTC:", "* R0 = 0.0", "* B  = 0.0", ""};
const QStringList PIENO = {"Parametri NTC:", "* R0 = 10000.0", "* B  = 3950.0", ""};

TEST(Storico, AvvioRiepiloghiESelezione) {
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    FinestraDiProva f;
    EXPECT_EQ(f.Storico(), VUOTO);
    EXPECT_EQ(f.Lista()->RigaCorrente(), 3);
    EXPECT_EQ(f.Registro(), "0");
    EXPECT_EQ(f.Fuoco(), &f.finestra);
    // Clear, Info and Reset leave the register; a summary follows a non-empty last line only.
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    f.Digita("42");
    for (const qint16 tasto : {TASTO_CLEAR, TASTO_INFO, TASTO_INFO, TASTO_RESET}) {
        f.Clic(Schiera::Tasto, tasto);
    }
    EXPECT_EQ(f.Storico(), (PIENO + PIENO + QStringList{"Reset eseguito", ""} + VUOTO));
    EXPECT_EQ(ParametriCorrenti().R0 + ParametriCorrenti().B, 0);
    EXPECT_EQ(f.Registro(), "42");
    // A written line is selected and shown, wherever the current line was.
    f.Lista()->ImpostaRigaCorrente(0);
    const int prima = f.Lista()->Conta();
    for (int i = 0; i < 40; ++i) {
        f.Tasto(Qt::Key_Delete);
        f.Digita("42");
        f.Tasto(Qt::Key_F4);
    }
    EXPECT_EQ(f.Lista()->Conta() - prima, 40);
    EXPECT_EQ(f.UltimaRiga(), "42 [°C] = 107.6 [°F]");
    const QModelIndexList scelte = f.Lista()->selectionModel()->selectedRows();
    EXPECT_EQ(scelte, QModelIndexList{f.Lista()->currentIndex()});
    EXPECT_EQ(f.Lista()->RigaCorrente(), f.Lista()->Conta() - 1);
    EXPECT_TRUE(f.Lista()->viewport()->rect().intersects(f.Lista()->visualRect(scelte.value(0))));
}

TEST(Tastiera, FuocoMappaEScorciatoie) {
    FinestraDiProva f;
    for (const auto& [schiera, indice] :
         {std::pair{Schiera::Tasto, qint16{5}}, std::pair{Schiera::Tasto, TASTO_INFO},
          std::pair{Schiera::Par, PAR_R0}, std::pair{Schiera::Operazione, OPERAZIONE_C_IN_K}}) {
        f.Clic(schiera, indice);
        EXPECT_EQ(f.Fuoco(), f.Lista()) << NomePulsante(schiera, indice).toStdString();
    }
    f.Clic(Schiera::Tasto, TASTO_C);
    f.Digita("12");
    EXPECT_EQ(f.Registro(), "12");
    // From every control the map's keys and the menu shortcuts act; the window takes the focus.
    for (QWidget* w : {f.Controllo(Schiera::Tasto, 7), f.Controllo(Schiera::Par, PAR_B),
                       f.Controllo("Lst_Storico"), static_cast<QWidget*>(&f.finestra)}) {
        w->setFocus();
        f.Tasto(Qt::Key_Delete);
        f.Digita(w->objectName().left(1) + "8");
        f.Tasto(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(f.Appunti(), "8") << w->objectName().toStdString();
        EXPECT_EQ(f.Fuoco(), &f.finestra);
    }
    // The map's keys never reach the control; Tab, arrows and Space do.
    f.Lista()->setFocus();
    const int ultima = f.Lista()->Conta() - 1;
    f.Digita("p5");
    EXPECT_EQ(f.Lista()->RigaCorrente(), ultima);
    f.Lista()->setFocus();
    f.Tasto(Qt::Key_Up);
    EXPECT_EQ(f.Lista()->RigaCorrente(), ultima - 1);
    f.Controllo(Schiera::Par, PAR_R0)->setFocus();
    f.Tasto(Qt::Key_Tab);
    EXPECT_EQ(f.Fuoco(), f.Controllo(Schiera::Par, PAR_B));
    f.Controllo(Schiera::Tasto, 7)->setFocus();
    f.Tasto(Qt::Key_Space);
    // Masks are compared whole.
    f.Tasto(Qt::Key_Delete, Qt::ControlModifier);
    f.Tasto(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(f.Registro(), "857");
    EXPECT_EQ(f.Lista()->Conta(), ultima + 1);
    // While the About window is shown the main window is disabled and takes no key.
    f.finestra.setEnabled(false);
    QTest::keyClicks(f.Lista(), "9r");
    QTest::keyClick(&f.finestra, Qt::Key_Delete);
    f.finestra.setEnabled(true);
    EXPECT_EQ(f.Registro(), "857");
    EXPECT_EQ(f.Lista()->Conta(), ultima + 1);
}

TEST(Uscita, FineProgrammaECtrlXFinisconoIlCiclo) {
    FinestraDiProva f;
    const auto ciclo = [](const std::function<void()>& azione) {
        QObject guardia; // a missing exit fails instead of hanging
        QTimer::singleShot(0, azione);
        QTimer::singleShot(5000, &guardia, [] { QCoreApplication::exit(99); });
        return QCoreApplication::exec();
    };
    EXPECT_EQ(ciclo([&f] { f.Scegli("MenuFine"); }), 0);
    for (QWidget* w : {f.Controllo("Lst_Storico"), f.Controllo(Schiera::Tasto, 3),
                       static_cast<QWidget*>(&f.finestra)}) {
        w->setFocus();
        EXPECT_EQ(ciclo([] { FinestraDiProva::Tasto(Qt::Key_X, Qt::ControlModifier); }), 0);
    }
}

const ParametriNTC N{10000, 3950};
constexpr qint16 OHM_C = OPERAZIONE_OHM_IN_C;
constexpr qint16 C_OHM = OPERAZIONE_C_IN_OHM;
constexpr qint16 C_F = OPERAZIONE_C_IN_F;
constexpr qint16 C_K = OPERAZIONE_C_IN_K;

// The register after a conversion is the value the line shows, or "Errore".
void Converti(const Regione& regione,
              std::initializer_list<std::tuple<const char*, qint16, const char*>> casi) {
    FinestraDiProva f(regione);
    for (const auto& [registro, operazione, riga] : casi) {
        ParametriCorrenti() = N;
        f.ImpostaRegistro(QString::fromUtf8(registro));
        f.Clic(Schiera::Operazione, operazione);
        EXPECT_EQ(f.UltimaRiga(), QString::fromUtf8(riga)) << registro;
        const QString atteso = QString::fromUtf8(riga).section(" = ", 1).section(" [", 0, 0);
        EXPECT_EQ(f.Registro(), atteso.contains('!') ? "Errore" : atteso) << registro;
    }
}

TEST(Conversioni, NelleDueRegioni) {
    // clang-format off
    Converti(Regione{".", ","}, {
        {"25", C_OHM, "25 [°C] = 10000.0 [Ohm]"},
        {"1000", OHM_C, "1000 [Ohm] = 87.71967429596 [°C]"},
        {"37", C_F, "37 [°C] = 98.6 [°F]"},
        {"25.1", C_K, "25.1 [°C] = 298.25000038147 [K]"},
        {"0", OHM_C, "0 [Ohm] = Errore"},
        {"Errore", OHM_C, "0 [Ohm] = Errore"},
        {"-300", C_OHM, "-300 [°C] = Errore"},
        {"-273.16", C_F, "-273.16 [°C] = Errore"},
        {"-273.16", C_K, "-273.16 [°C] = Errore"},
        // An unreadable register, or one beyond single precision, is a failure, not 0.
        {"-", C_F, "- [°C] = Errore"},
        {"1E+39", C_K, "1E+39 [°C] = Errore"}});
    // The register holds no grouping: a keyed point is the decimal point, as a result's comma.
    Converti(Regione{",", "."}, {
        {"2.5", C_F, "2.5 [°C] = 36,5 [°F]"},
        {"25,0", C_OHM, "25,0 [°C] = 10000,0 [Ohm]"},
        {"697,51977298619", OHM_C, "697,51977298619 [Ohm] = 99,99999987849 [°C]"},
        {"-.5", C_K, "-.5 [°C] = 272,65 [K]"},
        {"25,0.", C_F, "25,0. [°C] = Errore"},
        {"1.234", C_F, "1.234 [°C] = 34,22119994164 [°F]"}});
    Converti(Regione{"\u066B", "\u066C"}, {{"36\u066B5", C_K, "36\u066B5 [°C] = 309\u066B65 [K]"}});
    // clang-format on
}

TEST(Scambio, CopiaIncollaECalcolatrice) {
    FinestraDiProva f;
    f.Digita("25");
    f.Tasto(Qt::Key_F4);
    f.Tasto(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(f.Appunti(), "77.0");
    QTest::mouseClick(f.Lista()->viewport(), Qt::LeftButton, {},
                      f.Lista()->visualRect(f.Lista()->model()->index(1, 0)).center());
    f.Scegli("MenuCopia");
    EXPECT_EQ(f.Appunti(), "\r\n* R0 = 0.0");
    // An image is not pasted, and Copy replaces it.
    QApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    f.Tasto(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.Registro(), "77.0");
    f.Clic(Schiera::Tasto, TASTO_CLEAR);
    f.Scegli("MenuCopia");
    EXPECT_FALSE(QApplication::clipboard()->mimeData()->hasImage());
    EXPECT_EQ(f.Appunti(), "77.0");
    f.MettiNegliAppunti("12,5");
    f.Tasto(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.Registro(), "125");
    f.MettiNegliAppunti("Errore");
    f.Scegli("MenuIncolla");
    EXPECT_EQ(f.Registro(), "125");
    // Only a number goes to the calculator.
    f.ImpostaRegistro("Errore");
    f.Tasto(Qt::Key_I, Qt::ControlModifier);
    f.ImpostaRegistro("1E+20");
    f.Tasto(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(f.servizi.calcolatrice->avvii, std::vector<std::string>{"1E+20"});
    EXPECT_EQ(f.Lista()->Conta(), 0);
    // No calculator installed: the user is told.
    f.servizi.calcolatrice->avvio = std::nullopt;
    f.Tasto(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(f.UltimaRiga(), "Calcolatrice non disponibile !");
    EXPECT_EQ(f.Registro(), "1E+20");
}

QByteArray Contenuto(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(File, SalvaApriAnnullaENonRiuscito) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("sonda 10k è.ntc");
    const QByteArray salvato = "[NTC]\r\nR0=10000\r\nB=3950\r\n";
    FinestraDiProva f;
    SceltaFileFinta& scelta = *f.servizi.sceltaFile;
    scelta.risposte = {percorso, percorso, std::nullopt, std::nullopt, percorso + "/dentro.ntc"};
    ParametriCorrenti() = N;
    const int prima = f.Lista()->Conta();
    f.Tasto(Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(Contenuto(percorso), salvato);
    EXPECT_EQ(f.Lista()->Conta(), prima); // a save writes no line of its own
    f.Clic(Schiera::Tasto, TASTO_RESET);
    f.Tasto(Qt::Key_F12, Qt::ControlModifier);
    EXPECT_EQ(f.Storico().mid(f.Lista()->Conta() - 4), PIENO);
    EXPECT_EQ(scelta.nomiProposti, (std::vector<QString>{"NoName", percorso}));
    // Cancelled, both change nothing.
    ParametriCorrenti().R0 = 4700;
    const int primaDiAnnullare = f.Lista()->Conta();
    f.Scegli("MenuApri");
    f.Scegli("MenuSalva");
    EXPECT_EQ(f.Lista()->Conta(), primaDiAnnullare);
    EXPECT_EQ(ParametriCorrenti().R0, 4700);
    // A file stands where the folder should be: the save fails, says so, and spoils nothing.
    f.Scegli("MenuSalva");
    EXPECT_EQ(f.UltimaRiga(), "Salvataggio non riuscito !");
    EXPECT_EQ(Contenuto(percorso), salvato);
    EXPECT_EQ(scelta.nomiProposti.size(), 5u);
}

} // namespace
