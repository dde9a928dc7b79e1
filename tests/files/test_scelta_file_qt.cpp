#include "cartella_prova.h"
#include "files/dialoghi_file.h"
#include "files/scelta_file_qt.h"
#include "files/traduzione_qt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the action on the first modal window of the given kind once it is shown, as a
// user at the keyboard would.
template <typename Finestra> void QuandoAppare(std::function<void(Finestra*)> azione) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, azione] {
        auto* finestra = qobject_cast<Finestra*>(QApplication::activeModalWidget());
        if (finestra != nullptr && finestra->isVisible()) {
            timer->stop();
            timer->deleteLater();
            // As under a desktop, the dialog is the active window with the keyboard focus.
            finestra->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(finestra));
            azione(finestra);
        }
    });
    timer->start(10);
}

QString Testo(const std::filesystem::path& percorso) {
    return QString::fromStdU16String(percorso.u16string());
}

// Types into the field that has the focus when the dialog opens, then presses Enter; a
// dialog that is not as expected is closed, so that the test fails instead of waiting.
void DigitaEInvia(QFileDialog* dialogo, const QString& testo) {
    auto* campo = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    EXPECT_NE(campo, nullptr);
    if (campo == nullptr || campo->objectName() != "fileNameEdit") {
        ADD_FAILURE() << "il fuoco non è nel campo del nome del file";
        dialogo->reject();
        return;
    }
    campo->selectAll();
    // Key events with text, as a keyboard tool sends them; QTest knows only ASCII keys.
    for (const QChar carattere : testo) {
        QKeyEvent premuto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(carattere));
        QKeyEvent lasciato(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(carattere));
        QApplication::sendEvent(campo, &premuto);
        QApplication::sendEvent(campo, &lasciato);
    }
    QTest::keyClick(campo, Qt::Key_Return);
}

class SceltaReale : public ::testing::Test {
protected:
    SceltaFileQt scelta;
    DialogoComune dialogo{scelta};
    CartellaProva cartella;
};

TEST_F(SceltaReale, ApriConUnPercorsoDigitatoSenzaEstensione) {
    const QString digitato = Testo(cartella / "sonda nuova è");
    QuandoAppare<QFileDialog>([&](QFileDialog* finestra) {
        EXPECT_EQ(finestra->objectName(), "DialogoFile");
        EXPECT_EQ(finestra->windowTitle(), "Carica parametri NTC");
        EXPECT_EQ(finestra->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(finestra->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(finestra->nameFilters(), QStringList{"NTC (*.ntc)"});
        EXPECT_EQ(finestra->defaultSuffix(), "ntc");
        EXPECT_TRUE(finestra->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(finestra->directory().absolutePath(), QCoreApplication::applicationDirPath());
        DigitaEInvia(finestra, digitato);
    });
    EXPECT_EQ(DialogoApri(dialogo), cartella / "sonda nuova è.ntc");
}

TEST_F(SceltaReale, AnnullareConEsc) {
    QuandoAppare<QFileDialog>([](QFileDialog* finestra) {
        QTest::keyClick(finestra->focusWidget() ? finestra->focusWidget() : finestra,
                        Qt::Key_Escape);
    });
    EXPECT_TRUE(DialogoSalva(dialogo).empty());
    EXPECT_EQ(dialogo.NomeFile(), "NoName");
}

TEST_F(SceltaReale, SalvaProponeNoNameEChiedePrimaDiSovrascrivere) {
    const auto esistente = cartella / "esistente.ntc";
    ScriviFile(esistente, "[NTC]\r\nR0=1\r\n");
    bool domandato = false;
    QuandoAppare<QFileDialog>([&](QFileDialog* finestra) {
        EXPECT_EQ(finestra->windowTitle(), "Salva parametri NTC con nome");
        EXPECT_EQ(finestra->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(finestra->testOption(QFileDialog::DontConfirmOverwrite));
        const auto* campo = finestra->findChild<QLineEdit*>("fileNameEdit");
        EXPECT_EQ(campo ? campo->text() : QString(), "NoName");
        QuandoAppare<QMessageBox>([&](QMessageBox* domanda) {
            domandato = true;
            domanda->button(QMessageBox::Yes)->click();
        });
        DigitaEInvia(finestra, Testo(cartella / "esistente"));
    });
    EXPECT_EQ(DialogoSalva(dialogo), esistente);
    EXPECT_TRUE(domandato);
}

TEST_F(SceltaReale, ApriParteDallUltimoPercorso) {
    const QString ultimo = Testo(cartella / "ultimo.ntc");
    ScriviFile(cartella / "ultimo.ntc", "");
    dialogo.ImpostaNomeFile(ultimo);
    QuandoAppare<QFileDialog>([&](QFileDialog* finestra) {
        EXPECT_EQ(finestra->directory().absolutePath(), Testo(cartella.Percorso()));
        finestra->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
    });
    EXPECT_EQ(DialogoApri(dialogo), cartella / "ultimo.ntc");
}

TEST(TraduzioneQt, IDialoghiStandardParlanoItaliano) {
    ASSERT_TRUE(CaricaTraduzioneQt(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), "File &name:");
}

} // namespace
