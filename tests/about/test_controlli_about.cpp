#include "finestra_about_di_prova.h"

#include <QLabel>
#include <QWindow>

namespace {

using ControlliTest = FinestraAboutDiProva;

TEST_F(ControlliTest, ProprietaDellaFinestra) {
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Informazioni su..."));
    EXPECT_EQ(about.parentWidget(), nullptr);
    EXPECT_EQ(about.minimumSize(), QSize(413, 219));
    EXPECT_EQ(about.maximumSize(), QSize(413, 219));
    const Qt::WindowFlags bandiere = about.windowFlags();
    EXPECT_EQ(bandiere & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(bandiere.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(bandiere.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(bandiere.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(about.windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST_F(ControlliTest, LaPrincipaleDisabilitataNonDisabilitaLAbout) {
    about.Apri();
    EXPECT_TRUE(about.isEnabled());
    EXPECT_TRUE(Ok()->isEnabled());
}

TEST_F(ControlliTest, EPropriaDellaFinestraPrincipale) {
    about.Apri();
    ASSERT_NE(about.windowHandle(), nullptr);
    EXPECT_EQ(about.windowHandle()->transientParent(), sostituto.windowHandle());
}

TEST_F(ControlliTest, OkEIlPulsantePredefinitoEDUnicoAPrendereIlFuoco) {
    EXPECT_EQ(Ok()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(Ok()->isDefault());
    for (auto* etichetta : about.findChildren<QLabel*>()) {
        EXPECT_EQ(etichetta->focusPolicy(), Qt::NoFocus) << etichetta->objectName().toStdString();
    }
}

struct CasoControllo {
    const char* nome;
    QRect posizione;
    QColor colore;
    qreal punti;
    bool grassetto;
    Qt::Alignment allineamento;
};

void PrintTo(const CasoControllo& caso, std::ostream* uscita) {
    *uscita << caso.nome;
}

class GeometriaTest : public FinestraAboutDiProva,
                      public testing::WithParamInterface<CasoControllo> {};

TEST_P(GeometriaTest, PosizioneCarattereEColore) {
    const CasoControllo& caso = GetParam();
    auto* etichetta = Controllo<QLabel>(caso.nome);
    ASSERT_NE(etichetta, nullptr);
    EXPECT_EQ(etichetta->geometry(), caso.posizione);
    EXPECT_EQ(etichetta->palette().color(QPalette::WindowText), caso.colore);
    EXPECT_EQ(etichetta->font().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(etichetta->font().pointSizeF(), caso.punti);
    EXPECT_EQ(etichetta->font().bold(), caso.grassetto);
    EXPECT_FALSE(etichetta->font().italic());
    EXPECT_FALSE(etichetta->font().underline());
    EXPECT_EQ(etichetta->alignment(), caso.allineamento);
    EXPECT_FALSE(etichetta->autoFillBackground());
}

const QColor BIANCO(255, 255, 255);
const QColor BLU_SCURO(0, 0, 128);
const Qt::Alignment CENTRATO = Qt::AlignHCenter | Qt::AlignTop;

INSTANTIATE_TEST_SUITE_P(
    Etichette, GeometriaTest,
    testing::Values(CasoControllo{"lblProductName", {0, 8, 409, 49}, BIANCO, 24, true, CENTRATO},
                    CasoControllo{"lblVersion", {0, 48, 414, 16}, BIANCO, 8.25, true, CENTRATO},
                    CasoControllo{"Lab_copy", {0, 85, 417, 19}, BLU_SCURO, 9.75, true, CENTRATO},
                    CasoControllo{"Lab_Warning",
                                  {8, 128, 289, 65},
                                  BLU_SCURO,
                                  8.25,
                                  false,
                                  Qt::AlignLeft | Qt::AlignTop}),
    [](const testing::TestParamInfo<CasoControllo>& info) { return info.param.nome; });

TEST_F(ControlliTest, GliAltriControlliStannoAlLoroPosto) {
    EXPECT_EQ(Ok()->geometry(), QRect(320, 190, 84, 23));
    EXPECT_EQ(Controllo("Img_EMail")->geometry(), QRect(0, 176, 305, 41));
    EXPECT_EQ(Controllo("Img_Logo")->geometry(), QRect(0, 0, 413, 77));
    EXPECT_EQ(Controllo("Line1_0")->geometry(), QRect(8, 109, 397, 1));
    EXPECT_EQ(Controllo("Line1_1")->geometry(), QRect(8, 110, 397, 1));
    EXPECT_EQ(Controllo("Line1_0")->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(Controllo("Line1_1")->palette().color(QPalette::Window), BIANCO);
}

TEST_F(ControlliTest, LIndirizzoSiAdattaAlTestoAPartireDalSuoAngolo) {
    auto* indirizzo = Controllo<QLabel>("Lab_EMail");
    EXPECT_EQ(indirizzo->text(), QStringLiteral(EMAIL_ATTESA));
    EXPECT_EQ(indirizzo->pos(), QPoint(8, 200));
    EXPECT_EQ(indirizzo->size(), indirizzo->sizeHint());
    EXPECT_EQ(indirizzo->palette().color(QPalette::WindowText), BLU_SCURO);
    EXPECT_DOUBLE_EQ(indirizzo->font().pointSizeF(), 8.25);
    EXPECT_FALSE(indirizzo->font().bold());
    EXPECT_TRUE(Controllo("Img_EMail")->geometry().contains(indirizzo->geometry()));
}

TEST_F(ControlliTest, IlLogoHaLaSuaImmagine) {
    const QPixmap logo = Controllo<QLabel>("Img_Logo")->pixmap();
    EXPECT_EQ(logo.deviceIndependentSize(), QSizeF(413, 77));
}

struct CasoSovrapposizione {
    QPoint punto;
    const char* sopra;
};

void PrintTo(const CasoSovrapposizione& caso, std::ostream* uscita) {
    *uscita << caso.sopra << " in " << caso.punto.x() << "," << caso.punto.y();
}

class SovrapposizioneTest : public FinestraAboutDiProva,
                            public testing::WithParamInterface<CasoSovrapposizione> {};

TEST_P(SovrapposizioneTest, IlControlloPiuAltoRiceveIlPuntatore) {
    const QWidget* trovato = about.childAt(GetParam().punto);
    ASSERT_NE(trovato, nullptr);
    EXPECT_EQ(trovato->objectName().toStdString(), GetParam().sopra);
}

INSTANTIATE_TEST_SUITE_P(Punti, SovrapposizioneTest,
                         testing::Values(CasoSovrapposizione{{20, 205}, "Lab_EMail"},
                                         CasoSovrapposizione{{250, 205}, "Img_EMail"},
                                         CasoSovrapposizione{{20, 180}, "Img_EMail"},
                                         CasoSovrapposizione{{20, 150}, "Lab_Warning"},
                                         CasoSovrapposizione{{200, 20}, "lblProductName"},
                                         CasoSovrapposizione{{200, 60}, "lblVersion"},
                                         CasoSovrapposizione{{410, 5}, "Img_Logo"},
                                         CasoSovrapposizione{{350, 200}, "cmdOK"}));

} // namespace
