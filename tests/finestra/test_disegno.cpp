// The main window as painted: the separator lines and the register's white come from the
// client area's own paint, so their pixels are checked here, against the lines' own place and
// colour.
#include "tests/finestra/finestra_di_prova.h"

#include <QAccessible>

namespace {

TEST(Disegno, LineeESfondoDelRegistro) {
    FinestraDiProva f;
    const QImage immagine = f.Controllo("MainFormCliente")->grab().toImage();
    QList<const QWidget*> linee;
    for (int i = 0; i <= 5; ++i) {
        linee << f.Controllo(QStringLiteral("LinPar%1").arg(i));
    }
    for (const QWidget* linea : linee) {
        SCOPED_TRACE(linea->objectName().toStdString());
        const QColor colore = linea->palette().color(QPalette::Window);
        int controllati = 0;
        for (int y = linea->geometry().top(); y <= linea->geometry().bottom(); ++y) {
            for (int x = linea->geometry().left(); x <= linea->geometry().right(); ++x) {
                // Where two lines cross, the one stacked higher shows.
                const bool incrocio = std::any_of(linee.begin(), linee.end(), [&](auto* altra) {
                    return altra != linea && altra->geometry().contains(x, y);
                });
                if (!incrocio) {
                    ASSERT_EQ(immagine.pixelColor(x, y), colore) << x << "," << y;
                    ++controllati;
                }
            }
        }
        EXPECT_GT(controllati, 100);
    }
    const QRect registro = f.Display()->geometry();
    EXPECT_EQ(immagine.pixelColor(registro.topLeft() + QPoint(3, 3)), QColor(Qt::white));
    EXPECT_EQ(immagine.pixelColor(registro.topLeft()), QColor(Qt::black));
}

TEST(Disegno, LEquazioneEUnImmaginePerChiLeggeLoSchermo) {
    FinestraDiProva f;
    f.Controllo("MainFormCliente")->grab();
    auto* equazione = static_cast<QLabel*>(f.Controllo("Img_Equazione"));
    EXPECT_EQ(equazione->pixmap().deviceIndependentSize().toSize(), QSize(234, 66));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(equazione)->role(), QAccessible::Graphic);
}

} // namespace
