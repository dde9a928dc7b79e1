#include "finestra_about_di_prova.h"
#include "raccoglitore_url.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace {

class EMailTest : public FinestraAboutDiProva {
protected:
    EMailTest() { about.Apri(); }

    // Offscreen there is no real pointer: the move is delivered as the window system would.
    static void Muovi(QWidget* bersaglio, QPoint punto) {
        QMouseEvent movimento(QEvent::MouseMove, punto, bersaglio->mapToGlobal(punto), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bersaglio, &movimento);
    }

    QLabel* Indirizzo() { return Controllo<QLabel>("Lab_EMail"); }
    QWidget* Area() { return Controllo("Img_EMail"); }
};

TEST_F(EMailTest, IlPuntatoreSullIndirizzoSottolineaEIntornoToglie) {
    EXPECT_FALSE(Indirizzo()->font().underline());
    Muovi(Indirizzo(), {5, 5});
    EXPECT_TRUE(Indirizzo()->font().underline());
    EXPECT_EQ(Indirizzo()->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(Indirizzo()->cursor().shape(), Qt::ArrowCursor);
    Muovi(Area(), {280, 30});
    EXPECT_FALSE(Indirizzo()->font().underline());
}

TEST_F(EMailTest, LaSottolineaturaRestaFinoAlPassaggioSullArea) {
    Muovi(Indirizzo(), {5, 5});
    Muovi(Controllo("lblProductName"), {100, 10});
    EXPECT_TRUE(Indirizzo()->font().underline());
    QTest::mouseClick(Ok(), Qt::LeftButton);
    about.Apri();
    EXPECT_TRUE(Indirizzo()->font().underline());
    Muovi(Area(), {280, 30});
    EXPECT_FALSE(Indirizzo()->font().underline());
}

class InvioEMailTest : public EMailTest {
protected:
    InvioEMailTest() {
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &raccoglitore, "Apri");
    }
    ~InvioEMailTest() override { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }

    RaccoglitoreUrl raccoglitore;
};

TEST_F(InvioEMailTest, IlClicSullIndirizzoApreMailto) {
    QTest::mouseClick(Indirizzo(), Qt::LeftButton);
    ASSERT_EQ(raccoglitore.aperti.size(), 1);
    EXPECT_EQ(raccoglitore.aperti.front(), QUrl(QStringLiteral("mailto:" EMAIL_ATTESA)));
    EXPECT_TRUE(about.isVisible());
}

TEST_F(InvioEMailTest, IlClicAccantoONonSinistroNonApreNulla) {
    QTest::mouseClick(Area(), Qt::LeftButton, {}, QPoint(280, 30));
    QTest::mouseClick(Indirizzo(), Qt::RightButton);
    EXPECT_TRUE(raccoglitore.aperti.isEmpty());
}

} // namespace
