#include "curva/grafico_curva.h"
#include "curva/pannello_adattamento.h"
#include "tests/curva/regioni.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>

namespace {

using F = FinestraCurva;

void Attiva(QWidget& finestra) {
    finestra.show();
    finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
}

// The title of the dialog a key opens; the dialog is cancelled as soon as it shows.
QString DialogoDa(QWidget* campo, int tasto, Qt::KeyboardModifiers modificatori) {
    // A dialog that closed may have left the window inactive.
    campo->window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(campo->window()));
    campo->setFocus();
    QString titolo;
    QTimer attesa;
    attesa.setInterval(10);
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            titolo = dialogo->windowTitle();
            dialogo->reject();
        }
    });
    attesa.start();
    QTest::keyClick(campo, static_cast<Qt::Key>(tasto), modificatori);
    return titolo;
}

// What a control is called, for the Tab chain's report.
QString Nome(const QWidget* controllo) {
    if (controllo == nullptr) {
        return QStringLiteral("(nessuno)");
    }
    if (!controllo->accessibleName().isEmpty()) {
        return controllo->accessibleName();
    }
    if (const auto* pulsante = qobject_cast<const QAbstractButton*>(controllo)) {
        return pulsante->text();
    }
    return QString::fromLatin1(controllo->metaObject()->className());
}

} // namespace

TEST(FinestraCurva, LeScorciatoieFunzionanoAncheDaUnCampo) {
    F finestra(RegioneItaliana());
    Attiva(finestra);
    PannelloAdattamento* pannello = finestra.Adattamento();
    pannello->IncollaTesto(QStringLiteral("25\t10000\n85\t1000\n"));
    pannello->ImpostaForma(*TipoDaNome("beta"));
    pannello->Adatta();
    ASSERT_TRUE(pannello->Risultato().has_value());

    // Ctrl+U in "Da" takes the fitted model and leaves the field as it was.
    QLineEdit* da = finestra.Casella(F::CampoInizio);
    da->setFocus();
    QTest::keyClick(da, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(da->text(), QStringLiteral("-40"));
    EXPECT_EQ(finestra.Numero(CampoDi(finestra, "beta", "R0")), 10000);
    EXPECT_NEAR(*finestra.Numero(CampoDi(finestra, "beta", "B")),
                std::log(10.0) / (1 / 298.15 - 1 / 358.15), 1e-9);

    // Ctrl+E in "R serie" opens the CSV export, Ctrl+Shift+S in a coefficient the SVG one.
    EXPECT_EQ(DialogoDa(finestra.Casella(F::CampoSerie), Qt::Key_E, Qt::ControlModifier),
              QStringLiteral("Esporta CSV"));
    EXPECT_EQ(DialogoDa(CampoDi(finestra, "beta", "B"), Qt::Key_S,
                        Qt::ControlModifier | Qt::ShiftModifier),
              QStringLiteral("Esporta immagine SVG"));
    // Keys the menus do not use still edit the field.
    QLineEdit* passo = finestra.Casella(F::CampoPasso);
    passo->setFocus();
    QTest::keyClick(passo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(passo, QStringLiteral("2"));
    EXPECT_EQ(passo->text(), QStringLiteral("2"));
}

TEST(FinestraCurva, SiApreDentroLoSchermoERicordaLUltimaDimensione) {
    QTemporaryDir impostazioni;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
    QSize scelta;
    {
        F finestra(RegioneC());
        finestra.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
        const QRect schermo = finestra.screen()->availableGeometry();
        EXPECT_TRUE(schermo.contains(finestra.frameGeometry()))
            << finestra.frameGeometry().width() << "×" << finestra.frameGeometry().height()
            << " on " << schermo.width() << "×" << schermo.height();
        scelta = finestra.minimumSizeHint().expandedTo(QSize(700, 520));
        finestra.resize(scelta);
        finestra.close();
    }
    F altra(RegioneC());
    altra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&altra));
    EXPECT_EQ(altra.size(), scelta);
}

// The menus keep their letters on every page of the form and every view, and no two
// controls shown together share one.
TEST(FinestraCurva, MnemoniciSenzaScontri) {
    F finestra(RegioneItaliana());
    Attiva(finestra);
    std::map<QKeySequence, QString> menu;
    for (const QAction* azione : finestra.menuBar()->actions()) {
        menu[QKeySequence::mnemonic(azione->text())] = azione->text();
    }
    auto* viste = finestra.findChild<QTabWidget*>();
    ASSERT_NE(viste, nullptr);
    for (std::size_t tipo = 0; tipo <= F::TIPO_TABELLA; ++tipo) {
        finestra.ScegliTipo(tipo);
        for (int vista = 0; vista < viste->count(); ++vista) {
            viste->setCurrentIndex(vista);
            std::map<QKeySequence, QString> visti = menu;
            const auto aggiungi = [&](const QWidget* controllo, const QString& testo) {
                const QKeySequence tasto = QKeySequence::mnemonic(testo);
                if (tasto.isEmpty() || !controllo->isVisibleTo(&finestra)) {
                    return;
                }
                const auto [gia, nuovo] = visti.emplace(tasto, testo);
                EXPECT_TRUE(nuovo) << testo.toStdString() << " and " << gia->second.toStdString()
                                   << " (kind " << tipo << ", view " << vista << ")";
            };
            for (const QLabel* etichetta : finestra.findChildren<QLabel*>()) {
                if (etichetta->buddy() != nullptr) {
                    aggiungi(etichetta, etichetta->text());
                }
            }
            for (const QAbstractButton* pulsante : finestra.findChildren<QAbstractButton*>()) {
                aggiungi(pulsante, pulsante->text());
            }
        }
    }
}

// Tab goes group by group, top to bottom, then to the views; Shift+Tab goes back.
TEST(FinestraCurva, TabGruppoPerGruppo) {
    F finestra(RegioneItaliana());
    Attiva(finestra);
    QWidget* tipo = nullptr;
    for (QComboBox* combo : finestra.findChildren<QComboBox*>()) {
        tipo = combo->accessibleName() == QStringLiteral("Tipo di modello") ? combo : tipo;
    }
    ASSERT_NE(tipo, nullptr);
    tipo->setFocus();
    const QStringList attesi{
        QStringLiteral("Tipo di modello"),
        QStringLiteral("R0 in ohm"),
        QStringLiteral("B in kelvin"),
        QStringLiteral("T0 in gradi Celsius"),
        QStringLiteral("Temperatura iniziale"),
        QStringLiteral("Temperatura finale"),
        QStringLiteral("Passo"),
        QStringLiteral("Resistenza in serie del partitore"),
        QStringLiteral("Tensione di riferimento"),
        QStringLiteral("Bit del convertitore"),
        QStringLiteral("Posizione del termistore"),
        QStringLiteral("Tolleranza di R25 in percento"),
        QStringLiteral("Tolleranza di B in percento"),
        QStringLiteral("Curve a confronto"),
        QStringLiteral("Aggiungi il modello"),
        QStringLiteral("Aggiungi tabella…"),
        QStringLiteral("Rimuovi"),
        QStringLiteral("Temperatura del cursore"),
        QStringLiteral("Schede delle viste"),
        QStringLiteral("Curva R–T"),
    };
    QStringList visti{Nome(QApplication::focusWidget())};
    for (qsizetype i = 0; i < attesi.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visti << Nome(QApplication::focusWidget());
    }
    EXPECT_EQ(visti, attesi + QStringList{attesi.front()}) << visti.join(u',').toStdString();
    for (qsizetype i = 1; i < attesi.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    }
    EXPECT_EQ(Nome(QApplication::focusWidget()), attesi.at(1));

    // The plot shows that it has the keyboard.
    GraficoCurva* grafico = finestra.GraficoDellaCurva();
    tipo->setFocus();
    const QImage senza = grafico->grab().toImage();
    grafico->setFocus();
    EXPECT_NE(grafico->grab().toImage(), senza);
}
