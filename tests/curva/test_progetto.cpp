#include "curva/campi_regione.h"
#include "curva/grafico_progetto.h"
#include "curva/modello_candidati.h"
#include "curva/modello_righe.h"
#include "curva/vista_progetto.h"
#include "modelli/modello_beta.h"
#include "tests/curva/regioni.h"
#include "tests/ntc/comando_prova.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

namespace {

using F = FinestraCurva;
using V = VistaProgetto;

// The README's hotend: 100 kΩ, B 4267 K, on a 12-bit 3.3 V ADC from 20 to 300 °C.
void Hotend(F& finestra, bool italiana) {
    Scrivi(finestra, "beta", "R0", QStringLiteral("100000"));
    Scrivi(finestra, "beta", "B", QStringLiteral("4267"));
    Scrivi(finestra, F::CampoInizio, QStringLiteral("20"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("300"));
    Scrivi(finestra, F::CampoPasso, QStringLiteral("5"));
    Scrivi(finestra, F::CampoRiferimento, italiana ? QStringLiteral("3,3") : QStringLiteral("3.3"));
    Scrivi(finestra, F::CampoBit, QStringLiteral("12"));
}

// Types into one of the view's own fields as the user does.
void ScriviVista(F& finestra, V::Campo campo, const QString& testo) {
    QLineEdit* casella = finestra.VistaDelProgetto()->Casella(campo);
    casella->setText(testo);
    emit casella->textEdited(testo);
}

void MostraProgetto(F& finestra) {
    finestra.show();
    finestra.MostraVista(finestra.VistaDelProgetto());
}

} // namespace

// A click on a candidate puts its resistance into the divider's field; the window's table
// gets its ADC counts, and the plots are drawn again for it.
TEST(ProgettoCurva, SceltaRiempieIlPartitoreERidisegna) {
    F finestra(RegioneItaliana());
    Hotend(finestra, true);
    MostraProgetto(finestra);
    V* vista = finestra.VistaDelProgetto();
    ModelloCandidati* candidati = vista->Candidati();
    ASSERT_EQ(candidati->rowCount(), 12); // the optimum, ten, the nearest
    EXPECT_TRUE(finestra.Casella(F::CampoSerie)->text().isEmpty());
    EXPECT_EQ(finestra.Righe()->columnCount(), 3); // no divider yet
    EXPECT_EQ(vista->ResistenzaMostrata(), candidati->Resistenza(1));

    const int riga = 4;
    const double scelta = candidati->Resistenza(riga);
    ASSERT_NE(scelta, candidati->Resistenza(1));
    QTableView* tabella = vista->TabellaCandidati();
    const QRect cella = tabella->visualRect(candidati->index(riga, 1));
    QTest::mouseClick(tabella->viewport(), Qt::LeftButton, {}, cella.center());

    EXPECT_EQ(finestra.Casella(F::CampoSerie)->text(), TestoCampo(RegioneItaliana(), scelta));
    ASSERT_EQ(finestra.Righe()->columnCount(), 4);
    const Partitore partitore{Partitore::Posizione::VersoMassa, scelta, 3.3};
    const double r20 = *ModelloBeta({100000, 4267, 25}).Resistenza(20);
    EXPECT_EQ(finestra.Righe()->Righe().front().conteggio,
              std::lround(*ConteggiADC(partitore, 12, r20)));
    EXPECT_EQ(vista->ResistenzaMostrata(), scelta);
    const GraficoProgetto* conteggi = vista->GraficoConteggi();
    ASSERT_EQ(conteggi->X().size(), 57U);
    EXPECT_NEAR(conteggi->Linee().front().valori.front(), *ConteggiADC(partitore, 12, r20), 1e-9);
    EXPECT_EQ(tabella->currentIndex().row(), riga); // the pick stays shown as picked
    EXPECT_TRUE(vista->Nota().contains(TestoOhm(RegioneItaliana(), scelta, 4)))
        << vista->Nota().toStdString();

    // The budget's stack reaches the worst-case line at every temperature.
    const GraficoProgetto* bilancio = vista->GraficoBilancio();
    ASSERT_EQ(bilancio->Strati().size(), NUMERO_CONTRIBUTI);
    for (std::size_t i = 0; i < bilancio->X().size(); ++i) {
        double somma = 0;
        for (const auto& strato : bilancio->Strati()) {
            somma += strato.valori[i];
        }
        EXPECT_NEAR(somma, bilancio->Linee().front().valori[i], 1e-12);
    }
}

// The exports are the command's bytes for the same model, range, divider and tolerances, in
// a comma region as in a point region; the copies are in the region's format.
TEST(ProgettoCurva, EsportazioniComeIlComando) {
    for (const bool italiana : {false, true}) {
        F finestra(italiana ? RegioneItaliana() : RegioneC());
        Hotend(finestra, italiana);
        MostraProgetto(finestra);
        ScriviVista(finestra, V::CampoDissipazione, italiana ? QStringLiteral("1,5") : "1.5");
        ScriviVista(finestra, V::CampoErroreAdc, QStringLiteral("2"));
        V* vista = finestra.VistaDelProgetto();
        vista->SceltaSerie()->setCurrentText(QStringLiteral("E24"));
        std::vector<std::string_view> argomenti{
            "progetto", "--r0",      "100000", "--beta", "4267", "--da",    "20",  "--a",
            "300",      "--passo",   "5",      "--bit",  "12",   "--serie", "E24", "--dissipazione",
            "1.5",      "--adc-lsb", "2"};
        if (italiana) {
            argomenti.push_back("--virgola");
        }
        const auto candidati = vista->CsvCandidati();
        ASSERT_TRUE(candidati.Riuscito()) << candidati.Motivo();
        EXPECT_EQ(candidati.Valore(), Uscita(argomenti));

        vista->ScegliCandidato(2);
        argomenti.erase(argomenti.begin() + 13, argomenti.begin() + 15); // --serie E24
        const std::string resistenza = TestoConPunto(italiana ? RegioneItaliana() : RegioneC(),
                                                     finestra.Casella(F::CampoSerie)->text());
        argomenti.insert(argomenti.end(), {"--partitore", resistenza});
        const auto bilancio = vista->CsvBilancio();
        ASSERT_TRUE(bilancio.Riuscito()) << bilancio.Motivo();
        EXPECT_EQ(bilancio.Valore(), Uscita(argomenti));

        const QStringList righe = vista->TestoBilancio().split(u'\n');
        ASSERT_EQ(righe.size(), 59); // heading, 57 rows, the final newline
        EXPECT_TRUE(righe[1].startsWith(italiana ? QStringLiteral("20\t127647,2") : "20\t127647.2"))
            << righe[1].toStdString();
        const QStringList copiati = vista->TestoCandidati().split(u'\n');
        ASSERT_EQ(copiati.size(), 14);
        EXPECT_TRUE(copiati[1].startsWith(QStringLiteral("ottimo\t"))) << copiati[1].toStdString();
    }
}

// What the design cannot take is said in place of the table, and the view recovers.
TEST(ProgettoCurva, CampiSbagliatiDiconoPerche) {
    F finestra(RegioneItaliana());
    Hotend(finestra, true);
    MostraProgetto(finestra);
    V* vista = finestra.VistaDelProgetto();
    struct Caso {
        std::function<void()> scrivi;
        QString motivo;
    };
    const std::vector<Caso> casi{
        {[&] { ScriviVista(finestra, V::CampoDissipazione, QStringLiteral("0")); },
         QStringLiteral("la costante di dissipazione vuole mW/K positivi")},
        {[&] { ScriviVista(finestra, V::CampoTolleranzaSerie, QStringLiteral("1.5")); },
         QStringLiteral("Tolleranza della resistenza in serie in percento: non è un numero")},
        {[&] { Scrivi(finestra, F::CampoBit, QStringLiteral("40")); },
         QStringLiteral("i bit dell'ADC vanno da 1 a 31")},
        {[&] { Scrivi(finestra, F::CampoTolleranzaB, QStringLiteral("0")); },
         QStringLiteral("la tolleranza di B vuole una percentuale positiva")},
        {[&] { Scrivi(finestra, F::CampoPasso, QStringLiteral("0,01")); },
         QStringLiteral("più di 10000 righe")},
        {[&] { Scrivi(finestra, F::CampoInizio, QStringLiteral("-300")); },
         QStringLiteral("nessuna resistenza a T = -300 °C")},
        {[&] {
             vista->SceltaCriterio()->setCurrentIndex(2);
             ScriviVista(finestra, V::CampoTemperatura, QStringLiteral("350"));
         },
         QStringLiteral("la temperatura del criterio (350 °C) è fuori dall'intervallo")},
    };
    for (const Caso& caso : casi) {
        Hotend(finestra, true);
        caso.scrivi();
        EXPECT_TRUE(vista->Nota().startsWith(caso.motivo)) << vista->Nota().toStdString();
        EXPECT_EQ(vista->Candidati()->rowCount(), 0);
        EXPECT_EQ(vista->GraficoBilancio()->Messaggio(), vista->Nota());
        EXPECT_FALSE(vista->CsvCandidati().Riuscito());
        ScriviVista(finestra, V::CampoDissipazione, QString());
        ScriviVista(finestra, V::CampoTolleranzaSerie, QStringLiteral("1"));
        Scrivi(finestra, F::CampoTolleranzaB, QStringLiteral("1"));
        vista->SceltaCriterio()->setCurrentIndex(1);
    }
    Hotend(finestra, true);
    EXPECT_EQ(vista->Candidati()->rowCount(), 12);
}

// The README's picture of the view: the hotend's design by resolution, E96, with
// self-heating, after a pick; written beside the test as progetto.png.
TEST(ProgettoCurva, Immagine) {
    F finestra(RegioneItaliana());
    finestra.resize(1400, 900);
    Hotend(finestra, true);
    MostraProgetto(finestra);
    V* vista = finestra.VistaDelProgetto();
    vista->SceltaCriterio()->setCurrentIndex(0);
    ScriviVista(finestra, V::CampoDissipazione, QStringLiteral("1,5"));
    vista->ScegliCandidato(1);
    const QImage immagine = finestra.grab().toImage();
    EXPECT_EQ(immagine.size(), QSize(1400, 900));
    EXPECT_TRUE(immagine.save(QStringLiteral("progetto.png")));
}
