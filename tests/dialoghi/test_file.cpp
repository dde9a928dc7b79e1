#include "dialoghi/dialoghi_file.h"
#include "tests/dialoghi/scelta_file_finta.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using std::filesystem::path;

// Each dialog in turn: save or open, the user's answer (none: cancelled), the path given
// back and the name the dialog proposed, the last one chosen or "NoName" for a save.
TEST(Dialoghi, ImpostazioniAnnulloUltimoNomeEstensione) {
    SceltaFileFinta scelta;
    DialogoComune dialogo{scelta};
    const std::tuple<bool, std::optional<QString>, path, QString> passi[] = {
        {false, std::nullopt, {}, ""},
        {true, "/dati/prova", "/dati/prova.ntc", "NoName"},
        {false, std::nullopt, {}, "/dati/prova.ntc"},
        {false, "/a/b.txt", "/a/b.txt", "/dati/prova.ntc"},
        {false, "/dati.v/c", "/dati.v/c.ntc", "/a/b.txt"},
        {true, std::nullopt, {}, "NoName"}};
    for (const auto& [salva, risposta, atteso, proposto] : passi) {
        scelta.risposte = {risposta};
        EXPECT_EQ(salva ? DialogoSalva(dialogo) : DialogoApri(dialogo), atteso);
        const ImpostazioniScelta& vista = scelta.viste.back();
        EXPECT_EQ(scelta.nomiProposti.back(), proposto);
        EXPECT_EQ(vista.titolo, salva ? "Salva parametri NTC con nome" : "Carica parametri NTC");
        EXPECT_EQ(vista.tipo, salva ? TipoScelta::Salva : TipoScelta::Apri);
        EXPECT_EQ(vista.estensionePredefinita + " " + vista.filtro, "ntc NTC (*.ntc)");
        EXPECT_EQ(vista.cartellaIniziale, QCoreApplication::applicationDirPath());
    }
}

// The program's folder if it may be written and is no system folder (root may write where
// programs are installed), then the documents, then home.
TEST(ScegliCartellaIniziale, ProgrammaPoiDocumentiPoiCasaMaiUnaCartellaDiSistema) {
    QTemporaryDir base;
    QString chiusa = base.filePath("installato");
    QDir().mkpath(chiusa);
    QFile::setPermissions(chiusa, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(chiusa).isWritable()) {
        chiusa = "/proc/sys"; // root may write anywhere but on a read-only mount
        if (QFileInfo(chiusa).isWritable()) {
            GTEST_SKIP() << "nessuna cartella è chiusa a questo utente";
        }
    }
    const std::tuple<QString, QString, QString> casi[] = {
        {base.path(), "/manca", base.path()},   {chiusa, base.path(), base.path()},
        {"/manca", base.path(), base.path()},   {chiusa, "/manca", "casa"},
        {"/usr/bin", base.path(), base.path()}, {"/opt", base.path(), base.path()},
        {"/lib", base.path(), base.path()}};
    for (const auto& [programma, documenti, attesa] : casi) {
        EXPECT_EQ(ScegliCartellaIniziale(programma, documenti, "casa"), attesa)
            << programma.toStdString();
    }
}

} // namespace
