#include "informazioni/componi_versione.h"
#include "informazioni/frm_about.h"
#include "risorse/risorse.h"

#include <QApplication>
#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

class RaccoglitoreUrl : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE void Apri(const QUrl& indirizzo) { aperti.append(indirizzo); }
    QList<QUrl> aperti;
};

namespace {

TEST(ComponiVersione, MinoreERevisioneStannoAffiancati) {
    EXPECT_EQ(ComponiVersione(1, 0, 1).toStdString(), "Versione 1.01");
    EXPECT_EQ(ComponiVersione(1, 10, 0).toStdString(), "Versione 1.100");
    EXPECT_EQ(ComponiVersione(2, 3, 12).toStdString(), "Versione 2.312");
}

TEST(Risorse, OgniImmagineNellaSuaMisuraELaCopiaAt2xADensitaDoppia) {
    const std::pair<const char*, QSize> immagini[] = {
        {":/icone/libro_16.png", {16, 16}},        {":/icone/libro_32.png", {32, 32}},
        {":/icone/libro_48.png", {48, 48}},        {":/icone/libro_64.png", {64, 64}},
        {":/icone/informazioni_32.png", {32, 32}}, {":/icone/informazioni_64.png", {64, 64}},
        {":/immagini/equazione.png", {234, 66}},   {":/immagini/equazione@2x.png", {468, 132}},
        {":/immagini/logo.png", {413, 77}},        {":/immagini/logo@2x.png", {826, 154}}};
    for (const auto& [percorso, misura] : immagini) {
        EXPECT_EQ(QImage(percorso).size(), misura) << percorso;
    }
    const std::tuple<const char*, qreal, QSize, QSizeF> caricate[] = {
        {PERCORSO_EQUAZIONE, 2.0, {468, 132}, {234, 66}},
        {PERCORSO_LOGO, 1.0, {413, 77}, {413, 77}},
        {":/icone/libro_32.png", 2.0, {32, 32}, {32, 32}}};
    for (const auto& [percorso, rapporto, pixel, logica] : caricate) {
        const QPixmap immagine = CaricaImmagine(percorso, rapporto);
        EXPECT_EQ(immagine.size(), pixel) << percorso;
        EXPECT_EQ(immagine.deviceIndependentSize(), logica) << percorso;
    }
}

class FinestraAbout : public testing::Test {
protected:
    FinestraAbout() { sostituto.show(); }

    template <typename T = QWidget> T* Controllo(const char* nome) {
        T* trovato = about.findChild<T*>(QString::fromLatin1(nome));
        EXPECT_NE(trovato, nullptr) << nome;
        return trovato;
    }
    QPushButton* Ok() { return Controllo<QPushButton>("cmdOK"); }

    QWidget sostituto;
    Frm_About about{&sostituto};
};

TEST_F(FinestraAbout, SiApreSullaPrincipaleDisabilitataESiChiudeInOgniModo) {
    auto* versione = Controllo<QLabel>("lblVersion");
    about.Apri();
    EXPECT_EQ(versione->text(), QStringLiteral(VERSIONE_ATTESA));
    versione->setText(QStringLiteral("segno"));
    const std::pair<const char*, std::function<void()>> modi[] = {
        {"clic", [&] { QTest::mouseClick(Ok(), Qt::LeftButton); }},
        {"Invio", [&] { QTest::keyClick(Ok(), Qt::Key_Return); }},
        {"Invio del tastierino", [&] { QTest::keyClick(Ok(), Qt::Key_Enter); }},
        {"Esc", [&] { QTest::keyClick(Ok(), Qt::Key_Escape); }},
        {"cornice", [&] { EXPECT_FALSE(about.close()); }}};
    for (const auto& [modo, chiudi] : modi) {
        SCOPED_TRACE(modo);
        about.Apri();
        EXPECT_FALSE(sostituto.isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == Ok(); }));
        QTest::keyClick(Ok(), Qt::Key_A);
        ASSERT_TRUE(about.isVisible());
        chiudi();
        EXPECT_FALSE(about.isVisible());
        EXPECT_TRUE(sostituto.isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == &sostituto; }));
    }
    EXPECT_EQ(versione->text(), QStringLiteral("segno"));
}

TEST_F(FinestraAbout, TitoloMisuraTestiEIndirizzo) {
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Informazioni su..."));
    EXPECT_TRUE(about.minimumSize() == QSize(413, 219) && about.maximumSize() == QSize(413, 219));
    about.Apri(); // the texts are set when the window is loaded
    EXPECT_EQ(Controllo<QLabel>("lblProductName")->text(), QStringLiteral("Brevanto"));
    EXPECT_FALSE(Controllo<QLabel>("Lab_copy")->text().isEmpty());

    auto* indirizzo = Controllo<QLabel>("Lab_EMail");
    EXPECT_EQ(indirizzo->text(), QStringLiteral(EMAIL_ATTESA));
    EXPECT_EQ(indirizzo->geometry(), QRect(QPoint(8, 200), indirizzo->sizeHint()));
}

TEST_F(FinestraAbout, LIndirizzoSiSottolineaAlPassaggioEApreMailtoAlClicSinistro) {
    RaccoglitoreUrl raccoglitore;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &raccoglitore, "Apri");
    about.Apri();
    auto* indirizzo = Controllo<QLabel>("Lab_EMail");
    // Offscreen has no real pointer: each move goes to the control on top at that point.
    const auto muovi = [&](QPoint punto) {
        QWidget* sotto = about.childAt(punto);
        QMouseEvent movimento(QEvent::MouseMove, sotto->mapFrom(&about, punto),
                              about.mapToGlobal(punto), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(sotto, &movimento);
        return indirizzo->font().underline();
    };
    EXPECT_TRUE(muovi({12, 205}));
    EXPECT_TRUE(muovi({200, 20}));
    EXPECT_FALSE(muovi({250, 205}));

    QTest::mouseClick(indirizzo, Qt::RightButton);
    QTest::mouseClick(indirizzo, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    ASSERT_EQ(raccoglitore.aperti.size(), 1);
    EXPECT_EQ(raccoglitore.aperti.front(), QUrl(QStringLiteral("mailto:" EMAIL_ATTESA)));
}

} // namespace

#include "test_informazioni.moc"
