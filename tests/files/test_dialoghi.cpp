#include "files/dialoghi_file.h"
#include "files/scelta_file_qt.h"
#include "files/traduzione_qt.h"
#include "scelta_file_finta.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using std::filesystem::path;

TEST(Dialoghi, ImpostazioniAnnulloUltimoNomeEstensione) {
    SceltaFileFinta scelta;
    DialogoComune dialogo{scelta};
    scelta.risposte = {
        std::nullopt,        QString("/dati/prova"), std::nullopt,          QString(),
        QString("/a/b.txt"), QString("/dati.v/c"),   QString("/d/e è.ntc"), std::nullopt};
    EXPECT_TRUE(DialogoApri(dialogo).empty());
    EXPECT_EQ(DialogoSalva(dialogo), path("/dati/prova.ntc"));
    EXPECT_TRUE(DialogoApri(dialogo).empty());
    EXPECT_TRUE(DialogoApri(dialogo).empty());
    EXPECT_EQ(DialogoApri(dialogo), path("/a/b.txt"));
    EXPECT_EQ(DialogoApri(dialogo), path("/dati.v/c.ntc"));
    EXPECT_EQ(DialogoApri(dialogo), path(u8"/d/e è.ntc"));
    EXPECT_TRUE(DialogoSalva(dialogo).empty());
    EXPECT_EQ(scelta.nomiProposti,
              (std::vector<QString>{"", "NoName", "/dati/prova.ntc", "/dati/prova.ntc",
                                    "/dati/prova.ntc", "/a/b.txt", "/dati.v/c.ntc", "NoName"}));
    ASSERT_EQ(scelta.viste.size(), 8U);
    EXPECT_EQ(scelta.viste[0].tipo, TipoScelta::Apri);
    EXPECT_EQ(scelta.viste[1].tipo, TipoScelta::Salva);
    EXPECT_EQ(scelta.viste[0].flag, 4);
    EXPECT_EQ(scelta.viste[1].flag, 2);
    EXPECT_EQ(scelta.viste[0].titolo, "Carica parametri NTC");
    EXPECT_EQ(scelta.viste[1].titolo, "Salva parametri NTC con nome");
    for (const ImpostazioniScelta& vista : scelta.viste) {
        EXPECT_EQ(vista.estensionePredefinita, "ntc");
        EXPECT_EQ(vista.filtro, "NTC (*.ntc)");
        // The test program's folder is writable, so it is the one shown.
        EXPECT_EQ(vista.cartellaIniziale, QCoreApplication::applicationDirPath());
    }
}

TEST(ScegliCartellaIniziale, ProgrammaSeScrivibilePoiDocumentiPoiCasa) {
    QTemporaryDir base;
    const QString documenti = base.path();
    QString installato = base.filePath("installato");
    QDir().mkpath(installato);
    QFile::setPermissions(installato, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(installato).isWritable()) {
        installato = "/proc/sys"; // root may write anywhere but on a read-only mount
    }
    if (QFileInfo(installato).isWritable()) {
        GTEST_SKIP() << "nessuna cartella è chiusa a questo utente";
    }
    EXPECT_EQ(ScegliCartellaIniziale(documenti, "/manca", "casa"), documenti);
    EXPECT_EQ(ScegliCartellaIniziale(installato, documenti, "casa"), documenti);
    EXPECT_EQ(ScegliCartellaIniziale("/manca", documenti, "casa"), documenti);
    EXPECT_EQ(ScegliCartellaIniziale(installato, "/manca", "casa"), "casa");
}

// The real dialog, as a user at the keyboard: a full path typed into the file-name field,
// then Enter.
TEST(SceltaReale, ApriConUnPercorsoDigitato) {
    QTemporaryDir cartella;
    SceltaFileQt scelta;
    DialogoComune dialogo{scelta};
    QTimer attesa;
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        auto* finestra = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (finestra == nullptr || !finestra->isVisible()) {
            return;
        }
        attesa.stop();
        finestra->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(finestra));
        EXPECT_EQ(finestra->windowTitle(), "Carica parametri NTC");
        // Without the focus in the name field nothing is chosen, and the test fails.
        QWidget* campo = QApplication::focusWidget();
        if (campo == nullptr || campo->objectName() != "fileNameEdit") {
            finestra->reject();
            return;
        }
        QTest::keyClicks(campo, cartella.filePath("sonda nuova"));
        QTest::keyClick(campo, Qt::Key_Return);
    });
    attesa.start(10);
    EXPECT_EQ(DialogoApri(dialogo), PercorsoDaTesto(cartella.filePath("sonda nuova.ntc")));
}

TEST(TraduzioneQt, IDialoghiStandardParlanoItaliano) {
    ASSERT_TRUE(CaricaTraduzioneQt(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nome del file:");
}

} // namespace
