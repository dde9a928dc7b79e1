#include "dialoghi/dialoghi_file.h"
#include "tests/dialoghi/scelta_file_finta.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using std::filesystem::path;

TEST(Dialoghi, ImpostazioniAnnulloUltimoNomeEstensione) {
    SceltaFileFinta scelta;
    DialogoComune dialogo{scelta};
    scelta.risposte = {std::nullopt,        QString("/dati/prova"), std::nullopt,
                       QString("/a/b.txt"), QString("/dati.v/c"),   std::nullopt};
    EXPECT_TRUE(DialogoApri(dialogo).empty());
    EXPECT_EQ(DialogoSalva(dialogo), path("/dati/prova.ntc"));
    EXPECT_TRUE(DialogoApri(dialogo).empty());
    EXPECT_EQ(DialogoApri(dialogo), path("/a/b.txt"));
    EXPECT_EQ(DialogoApri(dialogo), path("/dati.v/c.ntc"));
    EXPECT_TRUE(DialogoSalva(dialogo).empty());
    EXPECT_EQ(scelta.nomiProposti, (std::vector<QString>{"", "NoName", "/dati/prova.ntc",
                                                         "/dati/prova.ntc", "/a/b.txt", "NoName"}));
    ASSERT_EQ(scelta.viste.size(), 6U);
    EXPECT_EQ(scelta.viste[0].tipo, TipoScelta::Apri);
    EXPECT_EQ(scelta.viste[1].tipo, TipoScelta::Salva);
    for (const ImpostazioniScelta& vista : scelta.viste) {
        const bool salva = vista.tipo == TipoScelta::Salva;
        EXPECT_EQ(vista.titolo, salva ? "Salva parametri NTC con nome" : "Carica parametri NTC");
        EXPECT_EQ(vista.estensionePredefinita, "ntc");
        EXPECT_EQ(vista.filtro, "NTC (*.ntc)");
        EXPECT_EQ(vista.cartellaIniziale, QCoreApplication::applicationDirPath());
    }
}

TEST(ScegliCartellaIniziale, ProgrammaSeScrivibilePoiDocumentiPoiCasa) {
    QTemporaryDir base;
    QString installato = base.filePath("installato");
    QDir().mkpath(installato);
    QFile::setPermissions(installato, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(installato).isWritable()) {
        installato = "/proc/sys"; // root may write anywhere but on a read-only mount
        if (QFileInfo(installato).isWritable()) {
            GTEST_SKIP() << "nessuna cartella è chiusa a questo utente";
        }
    }
    EXPECT_EQ(ScegliCartellaIniziale(base.path(), "/manca", "casa"), base.path());
    EXPECT_EQ(ScegliCartellaIniziale(installato, base.path(), "casa"), base.path());
    EXPECT_EQ(ScegliCartellaIniziale("/manca", base.path(), "casa"), base.path());
    EXPECT_EQ(ScegliCartellaIniziale(installato, "/manca", "casa"), "casa");
}

// Root may write where programs are installed; the dialogs still start in the documents.
TEST(ScegliCartellaIniziale, MaiInUnaCartellaDiSistema) {
    QTemporaryDir documenti;
    for (const char* sistema : {"/usr/bin", "/bin", "/usr/local/bin", "/opt", "/sbin", "/lib"}) {
        if (QFileInfo(sistema).isDir()) {
            EXPECT_EQ(ScegliCartellaIniziale(sistema, documenti.path(), "casa"), documenti.path())
                << sistema;
        }
    }
    EXPECT_EQ(ScegliCartellaIniziale(documenti.path(), "/manca", "casa"), documenti.path());
}

} // namespace
