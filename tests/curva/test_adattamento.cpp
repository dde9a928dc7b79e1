#include "curva/grafico_curva.h"
#include "curva/pannello_adattamento.h"
#include "tests/curva/regioni.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <variant>

namespace {

using F = FinestraCurva;

// 1/T = A + B ln R + C ln³R through three points, solved here by Cramer's rule so the
// check does not lean on the library's closed form.
std::array<double, 3> SteinhartHartDiCramer(const std::array<std::pair<double, double>, 3>& p) {
    std::array<std::array<double, 4>, 3> m{};
    for (size_t i = 0; i < 3; ++i) {
        const double l = std::log(p[i].second);
        m[i] = {1, l, l * l * l, 1 / (p[i].first + 273.15)};
    }
    const auto det = [&](size_t sostituita) {
        const auto c = [&](size_t r, size_t k) { return m[r][k == sostituita ? 3 : k]; };
        return c(0, 0) * (c(1, 1) * c(2, 2) - c(1, 2) * c(2, 1)) -
               c(0, 1) * (c(1, 0) * c(2, 2) - c(1, 2) * c(2, 0)) +
               c(0, 2) * (c(1, 0) * c(2, 1) - c(1, 1) * c(2, 0));
    };
    const double d = det(3);
    return {det(0) / d, det(1) / d, det(2) / d};
}

} // namespace

TEST(Adattamento, SteinhartHartDaTrePuntiIncollatiConLaVirgola) {
    F finestra(RegioneItaliana());
    PannelloAdattamento* pannello = finestra.Adattamento();
    QApplication::clipboard()->setText(QStringLiteral("T\tR\n0\t32554\n25\t10000\n100\t678,3\n"));
    pannello->Incolla();
    pannello->ImpostaForma(*TipoDaNome("steinhart-hart"));
    pannello->Adatta();
    ASSERT_TRUE(pannello->Risultato().has_value()) << pannello->TestoRisultato().toStdString();
    const auto& sh = std::get<ParametriSteinhartHart>(pannello->Risultato()->parametri);
    const auto attesi = SteinhartHartDiCramer({{{0, 32554}, {25, 10000}, {100, 678.3}}});
    EXPECT_NEAR(sh.A, attesi[0], 1e-12);
    EXPECT_NEAR(sh.B, attesi[1], 1e-13);
    EXPECT_NEAR(sh.C, attesi[2], 1e-14);
    EXPECT_LT(pannello->Risultato()->scarti.massimo, 1e-9);
    EXPECT_TRUE(pannello->TestoRisultato().startsWith(QStringLiteral("Steinhart–Hart: A = 0,00")));

    // "Usa questo modello": the fields take the coefficients at full precision.
    pannello->UsaModello();
    EXPECT_EQ(finestra.Numero(CampoDi(finestra, "steinhart-hart", "C")), sh.C);
    finestra.GraficoDellaCurva()->PortaCursore(25);
    EXPECT_TRUE(finestra.GraficoDellaCurva()->Lettura().contains(QStringLiteral("R = 10000 Ω")))
        << finestra.GraficoDellaCurva()->Lettura().toStdString();
}

TEST(Adattamento, CNegativoAvvisaEProponeLaBetaDegliEstremi) {
    F finestra(RegioneC());
    PannelloAdattamento* pannello = finestra.Adattamento();
    EXPECT_EQ(pannello->IncollaTesto(QStringLiteral("25\t10000\n50\t4161\n85\t1600\n")), QString());
    pannello->ImpostaForma(*TipoDaNome("steinhart-hart"));
    pannello->Adatta();
    ASSERT_TRUE(pannello->Risultato().has_value());
    EXPECT_LT(std::get<ParametriSteinhartHart>(pannello->Risultato()->parametri).C, 0);
    EXPECT_FALSE(pannello->Risultato()->avvisi.empty());
    EXPECT_TRUE(pannello->TestoRisultato().contains(QStringLiteral("Avviso: ")));
    pannello->UsaModello();
    // B through (25 °C, 10000 Ω) and (85 °C, 1600 Ω): ln(10000/1600) / (1/298.15 − 1/358.15).
    const double atteso = std::log(10000.0 / 1600) / (1 / 298.15 - 1 / 358.15);
    EXPECT_NEAR(*finestra.Numero(CampoDi(finestra, "beta", "B")), atteso, 1e-9);
    EXPECT_NEAR(atteso, 3261.458, 1e-3);
    EXPECT_EQ(finestra.Numero(CampoDi(finestra, "beta", "R0")), 10000);
}

TEST(Adattamento, PuntiSbagliatiOInsufficientiNonDannoModello) {
    F finestra(RegioneC());
    PannelloAdattamento* pannello = finestra.Adattamento();
    pannello->IncollaTesto(QStringLiteral("25\t10000\n50\t4161\n"));
    pannello->ImpostaForma(*TipoDaNome("steinhart-hart"));
    pannello->Adatta();
    EXPECT_FALSE(pannello->Risultato().has_value());
    pannello->ImpostaForma(*TipoDaNome("beta"));
    pannello->Adatta();
    ASSERT_TRUE(pannello->Risultato().has_value());
    EXPECT_NEAR(std::get<ParametriBeta>(pannello->Risultato()->parametri).B,
                std::log(10000.0 / 4161) / (1 / 298.15 - 1 / 323.15), 1e-9);
    EXPECT_EQ(finestra.LeggiPuntiDaCsv(QStringLiteral(TABELLE "/murata_ncp15xh103.csv")),
              QString());
    QString errore;
    EXPECT_GT(pannello->Punti(errore).size(), 10U);
    EXPECT_EQ(errore, QString());
}

// The residual column is the fit's: it takes no typing and Tab passes it by, so points
// typed T, Tab, R, Tab go row after row.
TEST(Adattamento, PuntiScrittiRigaDopoRiga) {
    F finestra(RegioneItaliana());
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    finestra.findChild<QTabWidget*>()->setCurrentWidget(finestra.Adattamento());
    auto* tabella = finestra.Adattamento()->findChild<QTableWidget*>();
    ASSERT_NE(tabella, nullptr);
    for (int riga = 0; riga < tabella->rowCount(); ++riga) {
        EXPECT_FALSE(tabella->model()->flags(tabella->model()->index(riga, 2)) & Qt::ItemIsEditable)
            << "row " << riga;
    }
    tabella->setFocus();
    tabella->setCurrentCell(0, 0);
    for (const char* testo : {"0", "32554", "25", "10000", "100", "678,3"}) {
        for (const char carattere : std::string_view(testo)) {
            QTest::keyClick(QApplication::focusWidget(), carattere);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QString errore;
    const auto punti = finestra.Adattamento()->Punti(errore);
    EXPECT_EQ(errore, QString());
    ASSERT_EQ(punti.size(), 3U);
    EXPECT_EQ(punti[1].temperatura, 25);
    EXPECT_EQ(punti[2].resistenza, 678.3);
    EXPECT_EQ(tabella->currentRow(), 3);
    EXPECT_EQ(tabella->currentColumn(), 0);

    // Delete empties the chosen cells.
    tabella->clearSelection();
    tabella->setCurrentCell(1, 0);
    tabella->setRangeSelected(QTableWidgetSelectionRange(1, 0, 1, 1), true);
    QTest::keyClick(tabella, Qt::Key_Delete);
    EXPECT_EQ(finestra.Adattamento()->Punti(errore).size(), 2U);
}

// The C ≤ 0 warning writes its numbers as the rest of the window does.
TEST(Adattamento, AvvisoNelFormatoDellaRegione) {
    F finestra(RegioneItaliana());
    PannelloAdattamento* pannello = finestra.Adattamento();
    pannello->IncollaTesto(QStringLiteral("25\t10000\n50\t4161\n85\t1600\n"));
    pannello->ImpostaForma(*TipoDaNome("steinhart-hart"));
    pannello->Adatta();
    const QString testo = pannello->TestoRisultato();
    const QString avviso = testo.section(QStringLiteral("Avviso: "), 1);
    ASSERT_FALSE(avviso.isEmpty()) << testo.toStdString();
    EXPECT_TRUE(avviso.contains(QStringLiteral("C = -4,4853088811269244"))) << avviso.toStdString();
    EXPECT_TRUE(avviso.contains(QStringLiteral("B = 3261,458135460676 K"))) << avviso.toStdString();
    EXPECT_FALSE(avviso.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))))
        << avviso.toStdString();
}

TEST(Adattamento, UnaPastaAmbiguaSiPuoRileggere) {
    F finestra(RegioneItaliana());
    PannelloAdattamento* pannello = finestra.Adattamento();
    pannello->IncollaTesto(QStringLiteral("0\t32.554\n25\t10.000\n100\t678\n"));
    EXPECT_TRUE(
        pannello->LetturaIncollata().contains(QStringLiteral("«32.554» è stato letto come 32554")))
        << pannello->LetturaIncollata().toStdString();
    pannello->IncollaConLAltraLettura();
    QString errore;
    auto punti = pannello->Punti(errore);
    ASSERT_EQ(punti.size(), 3U);
    EXPECT_EQ(punti[0].resistenza, 32.554);
    EXPECT_TRUE(pannello->LetturaIncollata().contains(QStringLiteral("letto come 32,554")));
    pannello->IncollaConLAltraLettura();
    EXPECT_EQ(pannello->Punti(errore)[0].resistenza, 32554);
}

TEST(Adattamento, RigheRimosseEPuntiSvuotati) {
    F finestra(RegioneC());
    PannelloAdattamento* pannello = finestra.Adattamento();
    pannello->IncollaTesto(QStringLiteral("0\t32554\n25\t10000\n50\t4161\n100\t678.3\n"));
    auto* tabella = pannello->findChild<QTableWidget*>();
    tabella->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
    pannello->RimuoviRighe();
    QString errore;
    const auto punti = pannello->Punti(errore);
    ASSERT_EQ(punti.size(), 2U);
    EXPECT_EQ(punti[1].temperatura, 100);
    pannello->SvuotaPunti();
    EXPECT_TRUE(pannello->Punti(errore).empty());
    EXPECT_GT(tabella->rowCount(), 0);
    // A fit's residuals go with its points.
    pannello->IncollaTesto(QStringLiteral("25\t10000\n85\t1000\n"));
    pannello->ImpostaForma(*TipoDaNome("beta"));
    pannello->Adatta();
    ASSERT_TRUE(pannello->Risultato().has_value());
    EXPECT_NE(tabella->item(0, 2)->text(), QString());
    tabella->clearSelection();
    tabella->setCurrentCell(1, 0);
    pannello->RimuoviRighe();
    EXPECT_FALSE(pannello->Risultato().has_value());
    EXPECT_EQ(tabella->item(0, 2)->text(), QString());
}
