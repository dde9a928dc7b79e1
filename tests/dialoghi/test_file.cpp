#include "dialoghi/dialoghi_file.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
