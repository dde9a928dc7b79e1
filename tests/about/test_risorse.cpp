#include "resources/risorse.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

struct CasoImmagine {
    const char* percorso;
    int larghezza;
    int altezza;
};

void PrintTo(const CasoImmagine& caso, std::ostream* uscita) {
    *uscita << caso.percorso;
}

class RisorseTest : public testing::TestWithParam<CasoImmagine> {};

TEST_P(RisorseTest, LImmagineEsisteNellaSuaMisura) {
    const CasoImmagine& caso = GetParam();
    const QImage immagine(QString::fromLatin1(caso.percorso));
    ASSERT_FALSE(immagine.isNull()) << caso.percorso;
    EXPECT_EQ(immagine.size(), QSize(caso.larghezza, caso.altezza)) << caso.percorso;
}

INSTANTIATE_TEST_SUITE_P(Tutte, RisorseTest,
                         testing::Values(CasoImmagine{":/icone/libro_16.png", 16, 16},
                                         CasoImmagine{":/icone/libro_32.png", 32, 32},
                                         CasoImmagine{":/icone/libro_48.png", 48, 48},
                                         CasoImmagine{":/icone/libro_64.png", 64, 64},
                                         CasoImmagine{":/icone/libro_128.png", 128, 128},
                                         CasoImmagine{":/icone/libro_256.png", 256, 256},
                                         CasoImmagine{":/icone/informazioni_32.png", 32, 32},
                                         CasoImmagine{":/icone/informazioni_64.png", 64, 64},
                                         CasoImmagine{":/immagini/equazione.png", 234, 66},
                                         CasoImmagine{":/immagini/equazione@2x.png", 468, 132},
                                         CasoImmagine{":/immagini/logo.png", 413, 77},
                                         CasoImmagine{":/immagini/logo@2x.png", 826, 154}));

TEST(IconeTest, OgniMisuraDelLibroSiTrovaNellIcona) {
    const QList<QSize> misure = CreaIconaLibro().availableSizes();
    for (int lato : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(misure.contains(QSize(lato, lato))) << lato;
    }
}

TEST(IconeTest, LIconaInformazioniHa32E64Pixel) {
    const QList<QSize> misure = CreaIconaInformazioni().availableSizes();
    EXPECT_TRUE(misure.contains(QSize(32, 32)));
    EXPECT_TRUE(misure.contains(QSize(64, 64)));
}

TEST(CaricaImmagineTest, ADensitaDoppiaPrendeLaCopiaAt2x) {
    const QPixmap immagine = CaricaImmagine(QString::fromLatin1(PERCORSO_EQUAZIONE), 2.0);
    EXPECT_EQ(immagine.size(), QSize(468, 132));
    EXPECT_DOUBLE_EQ(immagine.devicePixelRatio(), 2.0);
    EXPECT_EQ(immagine.deviceIndependentSize(), QSizeF(234, 66));
}

TEST(CaricaImmagineTest, ADensitaNormalePrendeLOriginale) {
    const QPixmap immagine = CaricaImmagine(QString::fromLatin1(PERCORSO_LOGO), 1.0);
    EXPECT_EQ(immagine.size(), QSize(413, 77));
    EXPECT_DOUBLE_EQ(immagine.devicePixelRatio(), 1.0);
}

TEST(CaricaImmagineTest, SenzaCopiaAt2xRestaLOriginale) {
    const QPixmap immagine = CaricaImmagine(QStringLiteral(":/icone/libro_32.png"), 2.0);
    EXPECT_EQ(immagine.size(), QSize(32, 32));
}

TEST(LogoTest, LaFasciaEArancioAlCentroEBluAgliEstremi) {
    const QImage logo(QString::fromLatin1(PERCORSO_LOGO));
    const QColor blu(98, 134, 225);
    EXPECT_EQ(logo.pixelColor(200, 10), blu);
    EXPECT_EQ(logo.pixelColor(206, 72), QColor(247, 150, 55));
    EXPECT_EQ(logo.pixelColor(206, 71), blu);
    EXPECT_EQ(logo.pixelColor(0, 76), blu);
    EXPECT_EQ(logo.pixelColor(412, 76), blu);
}

} // namespace
