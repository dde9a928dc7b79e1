// The file menu through the window, with a chooser that answers for the user.
#include "finestra_di_prova.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray Contenuto(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(File, SalvaPoiApriRiportaIParametri) {
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath("sonda 10k è.ntc");
    FinestraDiProva f;
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    f.servizi.sceltaFile->risposte = {percorso, percorso};
    f.Tasto(Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(Contenuto(percorso), "[NTC]\r\nR0=10000\r\nB=3950\r\n");
    EXPECT_EQ(f.Lista()->Conta(), 4); // a save writes no line of its own

    f.Clic("Cmd_Tasto16");
    f.Digita("7");
    f.Tasto(Qt::Key_F12, Qt::ControlModifier);
    EXPECT_EQ(ParametriCorrenti().R0, 10000);
    EXPECT_EQ(ParametriCorrenti().B, 3950);
    EXPECT_EQ(f.Storico().mid(f.Lista()->Conta() - 5),
              (QStringList{"", "Parametri NTC:", "* R0 = 10000.0", "* B  = 3950.0", ""}));
    EXPECT_EQ(f.Registro(), "7");
    // The Open dialog started from the path last chosen.
    ASSERT_EQ(f.servizi.sceltaFile->nomiProposti.size(), 2u);
    EXPECT_EQ(f.servizi.sceltaFile->nomiProposti[0], "NoName");
    EXPECT_EQ(f.servizi.sceltaFile->nomiProposti[1], percorso);
}

TEST(File, AnnullareNonCambiaNulla) {
    FinestraDiProva f;
    ParametriCorrenti() = ParametriNTC{4700, 3500};
    const QStringList storico = f.Storico();
    f.finestra->findChild<QAction*>("MenuApri")->trigger();
    f.finestra->findChild<QAction*>("MenuSalva")->trigger();
    EXPECT_EQ(ParametriCorrenti().R0, 4700);
    EXPECT_EQ(f.Storico(), storico);
    EXPECT_EQ(f.servizi.sceltaFile->nomiProposti.size(), 2u);
}

TEST(File, UnSalvataggioNonRiuscitoLoDice) {
    QTemporaryDir cartella;
    const QString nonCartella = cartella.filePath("file");
    QFile(nonCartella).open(QIODevice::WriteOnly);
    FinestraDiProva f;
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    f.servizi.sceltaFile->risposte = {nonCartella + "/dentro.ntc"};
    f.finestra->findChild<QAction*>("MenuSalva")->trigger();
    EXPECT_EQ(f.UltimaRiga(), "Salvataggio non riuscito !");
    EXPECT_EQ(ParametriCorrenti().R0, 10000);
    EXPECT_EQ(Contenuto(nonCartella), "");
}

TEST(File, ApreUnFileCheNonEsiste) {
    QTemporaryDir cartella;
    FinestraDiProva f;
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    f.servizi.sceltaFile->risposte = {cartella.filePath("manca")};
    f.finestra->findChild<QAction*>("MenuApri")->trigger();
    EXPECT_EQ(ParametriCorrenti().R0, 0);
    EXPECT_EQ(ParametriCorrenti().B, 0);
    EXPECT_EQ(f.UltimaRiga(), "");
    EXPECT_EQ(f.Storico().mid(f.Lista()->Conta() - 3, 2),
              (QStringList{"* R0 = 0.0", "* B  = 0.0"}));
}

} // namespace
