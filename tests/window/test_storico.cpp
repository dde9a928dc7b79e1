// The history list: start-up, summaries, coded lines and the selection.
#include "finestra_di_prova.h"

namespace {

TEST(Avvio, SoloIlRiepilogoEIlRegistroAZero) {
    ParametriCorrenti() = ParametriNTC{10000, 3950};
    FinestraDiProva f;
    EXPECT_EQ(f.Storico(), (QStringList{"Parametri NTC:", "* R0 = 0.0", "* B  = 0.0", ""}));
    EXPECT_EQ(f.Registro(), "0");
    EXPECT_EQ(ParametriCorrenti().R0, 0);
    EXPECT_EQ(ParametriCorrenti().B, 0);
    EXPECT_EQ(f.Lista()->RigaCorrente(), 3);
}

TEST(Riepilogo, RegoleDelSeparatore) {
    FinestraDiProva f;
    f.Lista()->Svuota();
    f.finestra->MostraParametri(0);
    EXPECT_EQ(f.Lista()->Conta(), 4); // no separator on an empty list
    f.finestra->MostraParametri(1);
    EXPECT_EQ(f.Lista()->Conta(), 8); // the list already ends with an empty line
    f.finestra->ScriviStorico(10, 0);
    f.finestra->MostraParametri(7);
    EXPECT_EQ(f.Storico().mid(8), (QStringList{"Reset eseguito", "", "Parametri NTC:", "* R0 = 0.0",
                                               "* B  = 0.0", ""}));
    f.finestra->MostraParametri(-1);
    EXPECT_EQ(f.Lista()->Conta(), 4);
}

TEST(Storico, OgniScritturaSelezionaLUltimaRiga) {
    FinestraDiProva f;
    for (int i = 0; i < 40; ++i) {
        f.finestra->ScriviStorico(10, 0);
    }
    f.Lista()->ImpostaRigaCorrente(0);
    f.finestra->ScriviStorico(98, 0);
    const int ultima = f.Lista()->Conta() - 1;
    EXPECT_EQ(f.Lista()->RigaCorrente(), ultima);
    EXPECT_TRUE(f.Lista()->Selezionata(ultima));
    EXPECT_EQ(f.Lista()->selectionModel()->selectedRows().size(), 1);
    // Scrolled into view.
    EXPECT_TRUE(f.Lista()->viewport()->rect().intersects(
        f.Lista()->visualRect(f.Lista()->model()->index(ultima, 0))));
}

TEST(Storico, UnCodiceSenzaRigaNonCambiaNulla) {
    FinestraDiProva f;
    f.Lista()->ImpostaRigaCorrente(0);
    const QStringList prima = f.Storico();
    for (const qint16 codice : {2, 5, 9, 11, 19, 24, 29, 34, 94, -1, 100, 32767}) {
        f.finestra->ScriviStorico(codice, 1);
    }
    EXPECT_EQ(f.Storico(), prima);
    EXPECT_EQ(f.Lista()->RigaCorrente(), 0);
}

TEST(Storico, LaRigaCitaIlRegistroDelMomento) {
    FinestraDiProva f;
    f.finestra->ImpostaRegistro(" 1,5x ");
    f.finestra->ScriviStorico(22, 34.7);
    EXPECT_EQ(f.UltimaRiga(), " 1,5x  [°C] = 34.7 [°F]");
}

} // namespace
