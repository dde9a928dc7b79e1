#include "curva/modello_righe.h"
#include "tests/curva/regioni.h"
#include "tests/ntc/comando_prova.h"

#include <QComboBox>
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

using F = FinestraCurva;

} // namespace

// The same model, range and divider typed into the window and given to the command give
// the same bytes, in a comma region as in a point region.
TEST(TabellaCurva, StessiByteDelComando) {
    struct Caso {
        FormatoTabella esportazione;
        bool partitore;
        std::vector<std::string_view> formato;
    };
    const std::vector<Caso> casi{
        {FormatoCsv{}, false, {"--formato", "csv"}},
        {FormatoCsv{}, true, {"--formato", "csv"}},
        {FormatoJson{}, true, {"--formato", "json"}},
        {FormatoC{}, true, {"--formato", "c"}},
        {FormatoMarlin{}, true, {"--formato", "marlin"}},
        {FormatoKlipper{}, false, {"--formato", "klipper"}},
        {FormatoEsphome{}, true, {"--formato", "esphome"}},
    };
    for (const bool italiana : {false, true}) {
        F finestra(italiana ? RegioneItaliana() : RegioneC());
        Scrivi(finestra, "beta", "R0", QStringLiteral("10000"));
        Scrivi(finestra, "beta", "B", QStringLiteral("3950"));
        Scrivi(finestra, F::CampoInizio, QStringLiteral("-40"));
        Scrivi(finestra, F::CampoFine, QStringLiteral("125"));
        Scrivi(finestra, F::CampoPasso, QStringLiteral("5"));
        Scrivi(finestra, F::CampoRiferimento,
               italiana ? QStringLiteral("3,3") : QStringLiteral("3.3"));
        for (const Caso& caso : casi) {
            Scrivi(finestra, F::CampoSerie, caso.partitore ? QStringLiteral("4700") : QString());
            std::vector<std::string_view> argomenti{"tabella", "--r0",    "10000", "--beta",
                                                    "3950",    "--da",    "-40",   "--a",
                                                    "125",     "--passo", "5"};
            argomenti.insert(argomenti.end(), caso.formato.begin(), caso.formato.end());
            if (caso.partitore) {
                argomenti.insert(argomenti.end(), {"--partitore", "4700", "--vref", "3.3"});
            }
            if (italiana && std::holds_alternative<FormatoCsv>(caso.esportazione)) {
                argomenti.push_back("--virgola");
            }
            const auto finestraTesto = finestra.TestoEsportazione(caso.esportazione);
            ASSERT_TRUE(finestraTesto.Riuscito()) << finestraTesto.Motivo();
            EXPECT_EQ(finestraTesto.Valore(), Uscita(argomenti))
                << caso.formato.back() << (italiana ? " it_IT" : " C");
        }
    }
}

TEST(TabellaCurva, GrigliaFineEModelloSteinhartHartComeIlComando) {
    F finestra(RegioneItaliana());
    finestra.ScegliTipo(*TipoDaNome("steinhart-hart"));
    Scrivi(finestra, "steinhart-hart", "A", QStringLiteral("0,001129148"));
    Scrivi(finestra, "steinhart-hart", "B", QStringLiteral("0,000234125"));
    Scrivi(finestra, "steinhart-hart", "C", QStringLiteral("8,76741e-8"));
    Scrivi(finestra, F::CampoInizio, QStringLiteral("-55"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("300"));
    Scrivi(finestra, F::CampoPasso, QStringLiteral("0,01"));
    EXPECT_EQ(finestra.Righe()->rowCount(), 35501);
    EXPECT_EQ(finestra.TestoEsportazione(FormatoC{}).Valore(),
              Uscita({"tabella", "--sh", "0.001129148", "0.000234125", "8.76741e-8", "--da", "-55",
                      "--a", "300", "--passo", "0.01", "--formato", "c"}));
}

TEST(TabellaCurva, CopiataComeTestoSeparatoDaTabulazioniNellaRegione) {
    F finestra(RegioneItaliana());
    Scrivi(finestra, F::CampoInizio, QStringLiteral("25"));
    Scrivi(finestra, F::CampoFine, QStringLiteral("25,5"));
    Scrivi(finestra, F::CampoPasso, QStringLiteral("0,5"));
    const QStringList righe = finestra.Righe()->TestoSeparatoDaTabulazioni().split(u'\n');
    ASSERT_EQ(righe.size(), 4); // heading, two rows, the final newline
    EXPECT_EQ(righe[0], QStringLiteral("T (°C)\tR (Ω)\tα (%/K)"));
    EXPECT_TRUE(righe[1].startsWith(QStringLiteral("25\t10000\t-4,44"))) << righe[1].toStdString();
    EXPECT_TRUE(righe[2].startsWith(QStringLiteral("25,5\t"))) << righe[2].toStdString();
}

TEST(TabellaCurva, CampiSbagliatiNonDannoTabellaEDiconoPerche) {
    F finestra(RegioneItaliana());
    Scrivi(finestra, F::CampoPasso, QStringLiteral("0"));
    EXPECT_EQ(finestra.Righe()->rowCount(), 0);
    EXPECT_EQ(finestra.Stato(), QStringLiteral("il passo non può essere 0"));
    EXPECT_FALSE(finestra.TestoEsportazione(FormatoCsv{}).Riuscito());
    Scrivi(finestra, F::CampoPasso, QStringLiteral("1"));
    Scrivi(finestra, "beta", "B", QStringLiteral("3950.5")); // a point in a comma region
    EXPECT_EQ(finestra.Righe()->rowCount(), 0);
    EXPECT_EQ(finestra.Stato(), QStringLiteral("B in kelvin: non è un numero"));
    // A Marlin table cannot do without a divider; the command's reason is shown.
    Scrivi(finestra, "beta", "B", QStringLiteral("3950"));
    EXPECT_FALSE(finestra.TestoEsportazione(FormatoMarlin{}).Riuscito());
}
