// The helpers behind a cheap start: a client area that paints its lines and backgrounds
// itself, a picture decoded when first painted, an action held until a window's first frame,
// and the faces asked for by a name Qt finds at once.
#include "risorse/aspetto.h"
#include "risorse/avvio.h"
#include "risorse/immagine_differita.h"
#include "risorse/primo_fotogramma.h"
#include "risorse/risorse.h"

#include <QAccessible>
#include <QFontInfo>
#include <QPixmapCache>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(AreaCliente, LineeESfondiInUnSoloDisegno) {
    AreaCliente area;
    area.resize(100, 60);
    auto* figlio = new QWidget(&area);
    figlio->setGeometry(10, 10, 30, 20);
    area.AggiungiSfondo(figlio, Qt::white);
    // Twips: a line across at y = 40 px, one down at x = 50 px, the first stacked higher.
    QWidget* orizzontale = area.AggiungiLinea("Orizzontale", 0, 600, 1500, 600, Qt::red);
    QWidget* verticale = area.AggiungiLinea("Verticale", 750, 0, 750, 900, Qt::blue);
    orizzontale->raise();

    EXPECT_TRUE(orizzontale->isHidden() && verticale->isHidden());
    EXPECT_EQ(orizzontale->geometry(), QRect(0, 40, 100, 1));
    EXPECT_EQ(verticale->palette().color(QPalette::Window), QColor(Qt::blue));
    const QImage immagine = area.grab().toImage();
    const QColor fondo = area.palette().color(QPalette::Window);
    const std::tuple<QPoint, QColor> attesi[] = {
        {{20, 20}, Qt::white}, {{9, 20}, fondo}, {{5, 40}, Qt::red},  {{5, 41}, fondo},
        {{50, 5}, Qt::blue},   {{51, 5}, fondo}, {{50, 40}, Qt::red}, {{99, 40}, Qt::red},
        {{50, 59}, Qt::blue},  {{40, 30}, fondo}};
    for (const auto& [punto, colore] : attesi) {
        EXPECT_EQ(immagine.pixelColor(punto), colore) << punto.x() << "," << punto.y();
    }
    verticale->raise();
    EXPECT_EQ(area.grab().toImage().pixelColor(50, 40), QColor(Qt::blue));
}

TEST(ImmagineDifferita, DecodificataAlPrimoDisegnoEUnaVoltaSola) {
    ImmagineDifferita immagine(QString::fromLatin1(PERCORSO_EQUAZIONE), nullptr);
    immagine.resize(240, 70);
    EXPECT_TRUE(immagine.pixmap().isNull());
    immagine.grab();
    const QPixmap prima = immagine.pixmap();
    ASSERT_FALSE(prima.isNull());
    EXPECT_EQ(prima.deviceIndependentSize().toSize(), QSize(234, 66));
    EXPECT_EQ(prima.devicePixelRatio(), immagine.devicePixelRatioF());
    // Qt's pixmap cache would hand a second decoding the same pixmap; emptied, it cannot.
    QPixmapCache::clear();
    immagine.grab();
    EXPECT_EQ(immagine.pixmap().cacheKey(), prima.cacheKey());
    // Once painted, a screen reader finds a picture, as with a label given its pixmap at once.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&immagine)->role(), QAccessible::Graphic);
}

class FinestraContata : public QWidget {
public:
    int disegni = 0;

protected:
    void paintEvent(QPaintEvent* /*evento*/) override { ++disegni; }
};

TEST(PrimoFotogramma, LAzioneSegueIlPrimoFotogrammaUnaVolta) {
    FinestraContata finestra;
    std::vector<int> disegniAllAzione;
    DopoIlPrimoFotogramma(&finestra, [&] { disegniAllAzione.push_back(finestra.disegni); });
    finestra.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !disegniAllAzione.empty(); }));
    EXPECT_EQ(disegniAllAzione, std::vector<int>{1});
    finestra.hide();
    finestra.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return finestra.disegni > 1; }));
    EXPECT_EQ(disegniAllAzione.size(), 1U);
}

TEST(FamigliaInstallata, UnVoltoCheQtTrovaPerNome) {
    for (const QString famiglia : {"Arial Narrow", "Arial"}) {
        SCOPED_TRACE(famiglia.toStdString());
        const QString volto = FamigliaInstallata(famiglia);
        // The name asked for is the face drawn: Qt finds it without a fallback between.
        EXPECT_EQ(QFontInfo(QFont(volto)).family(), volto);
        EXPECT_TRUE(volto == famiglia ||
                    volto == QString(famiglia).replace("Arial", "Liberation Sans"));
    }
    EXPECT_EQ(FamigliaInstallata("Liberation Sans"), "Liberation Sans");
    EXPECT_EQ(FamigliaInstallata("Volto Che Non C'e"), "Volto Che Non C'e");
}

} // namespace
