#include "finestra_about_di_prova.h"

#include <QLabel>
#include <QTest>

#include <functional>

namespace {

using AperturaTest = FinestraAboutDiProva;

TEST_F(AperturaTest, DisabilitaLaPrincipaleEDaIlFuocoAOk) {
    about.Apri();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(sostituto.isEnabled());
    EXPECT_EQ(about.focusWidget(), Ok());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == Ok(); }));
}

TEST_F(AperturaTest, SiCentraSullaFinestraPrincipaleAncheDopoUnoSpostamento) {
    for (const QPoint angolo : {QPoint(200, 150), QPoint(40, 300)}) {
        sostituto.move(angolo);
        about.Apri();
        const QPoint scarto = about.frameGeometry().center() - sostituto.frameGeometry().center();
        EXPECT_LE(scarto.manhattanLength(), 1) << scarto.x() << "," << scarto.y();
        QTest::mouseClick(Ok(), Qt::LeftButton);
    }
}

TEST_F(AperturaTest, ITestiSiCaricanoAllaPrimaAperturaSoltanto) {
    auto* versione = Controllo<QLabel>("lblVersion");
    EXPECT_TRUE(versione->text().isEmpty());
    about.Apri();
    EXPECT_EQ(versione->text(), QStringLiteral("Versione 1.01"));
    EXPECT_EQ(Controllo<QLabel>("lblProductName")->text(), QStringLiteral("Brevanto"));
    EXPECT_TRUE(Controllo<QLabel>("Lab_copy")->text().startsWith(QStringLiteral("Copyright")));
    EXPECT_FALSE(Controllo<QLabel>("Lab_Warning")->text().isEmpty());

    versione->setText(QStringLiteral("segno"));
    QTest::mouseClick(Ok(), Qt::LeftButton);
    about.Apri();
    EXPECT_EQ(versione->text(), QStringLiteral("segno"));
}

struct ModoDiChiusura {
    const char* nome;
    std::function<void(Frm_About&, QPushButton*)> chiudi;
};

void PrintTo(const ModoDiChiusura& modo, std::ostream* uscita) {
    *uscita << modo.nome;
}

class ChiusuraTest : public FinestraAboutDiProva,
                     public testing::WithParamInterface<ModoDiChiusura> {};

TEST_P(ChiusuraTest, NascondeERiabilitaLaPrincipale) {
    about.Apri();
    GetParam().chiudi(about, Ok());
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(sostituto.isEnabled());
    EXPECT_EQ(sostituto.focusWidget(), &sostituto);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &sostituto; }));

    about.Apri();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(sostituto.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Modi, ChiusuraTest,
    testing::Values(
        ModoDiChiusura{"Clic",
                       [](Frm_About&, QPushButton* ok) { QTest::mouseClick(ok, Qt::LeftButton); }},
        ModoDiChiusura{"Invio",
                       [](Frm_About&, QPushButton* ok) { QTest::keyClick(ok, Qt::Key_Return); }},
        ModoDiChiusura{"InvioTastierino",
                       [](Frm_About&, QPushButton* ok) { QTest::keyClick(ok, Qt::Key_Enter); }},
        ModoDiChiusura{"Esc",
                       [](Frm_About&, QPushButton* ok) { QTest::keyClick(ok, Qt::Key_Escape); }},
        ModoDiChiusura{"Cornice",
                       [](Frm_About& about, QPushButton*) { EXPECT_FALSE(about.close()); }}),
    [](const testing::TestParamInfo<ModoDiChiusura>& info) { return info.param.nome; });

TEST_F(FinestraAboutDiProva, UnAltroTastoNonChiude) {
    about.Apri();
    QTest::keyClick(Ok(), Qt::Key_A);
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(sostituto.isEnabled());
}

} // namespace
