#include "files/dialoghi_file.h"
#include "scelta_file_finta.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {

class Dialoghi : public ::testing::Test {
protected:
    SceltaFileFinta scelta;
    DialogoComune dialogo{scelta};
};

TEST_F(Dialoghi, OgniImpostazioneArrivaAllaScelta) {
    DialogoApri(dialogo);
    DialogoSalva(dialogo);
    ASSERT_EQ(scelta.viste.size(), 2U);
    const ImpostazioniScelta& apri = scelta.viste[0];
    const ImpostazioniScelta& salva = scelta.viste[1];
    EXPECT_EQ(apri.tipo, TipoScelta::Apri);
    EXPECT_EQ(salva.tipo, TipoScelta::Salva);
    EXPECT_EQ(apri.flag, FLAG_NASCONDI_SOLA_LETTURA);
    EXPECT_EQ(salva.flag, FLAG_CONFERMA_SOVRASCRITTURA);
    EXPECT_EQ(apri.titolo, "Carica parametri NTC");
    EXPECT_EQ(salva.titolo, "Salva parametri NTC con nome");
    for (const ImpostazioniScelta& vista : scelta.viste) {
        EXPECT_EQ(vista.estensionePredefinita, "ntc");
        EXPECT_EQ(vista.filtro, "NTC (*.ntc)");
        // The test program's folder is writable, so it is the one shown.
        EXPECT_EQ(vista.cartellaIniziale, QCoreApplication::applicationDirPath());
    }
    EXPECT_EQ(scelta.nomiProposti[0], "");
    EXPECT_EQ(scelta.nomiProposti[1], "NoName");
}

TEST_F(Dialoghi, AnnullareNonCambiaNulla) {
    dialogo.ImpostaNomeFile("/dati/vecchio.ntc");
    scelta.risposte = {std::nullopt, QString()};
    EXPECT_TRUE(DialogoApri(dialogo).empty());
    EXPECT_TRUE(DialogoApri(dialogo).empty());
    EXPECT_EQ(dialogo.NomeFile(), "/dati/vecchio.ntc");
}

TEST_F(Dialoghi, IlNomeSceltoVieneOffertoLaVoltaDopo) {
    scelta.risposte = {QString("/dati/salvato.ntc"), QString("/altri/aperto.ntc"), std::nullopt,
                       std::nullopt, std::nullopt};
    EXPECT_EQ(DialogoSalva(dialogo), std::filesystem::path("/dati/salvato.ntc"));
    EXPECT_EQ(DialogoApri(dialogo), std::filesystem::path("/altri/aperto.ntc"));
    DialogoApri(dialogo);
    DialogoSalva(dialogo);
    DialogoApri(dialogo);
    EXPECT_EQ(scelta.nomiProposti, (std::vector<QString>{"NoName", "/dati/salvato.ntc",
                                                         "/altri/aperto.ntc", "NoName", "NoName"}));
}

TEST_F(Dialoghi, UnNomeSenzaEstensioneRiceveNtc) {
    struct Caso {
        QString risposta;
        QString atteso;
    };
    const QString cartella = QCoreApplication::applicationDirPath();
    const std::vector<Caso> casi = {
        {"/dati/prova", "/dati/prova.ntc"},
        {"/dati/prova.ntc", "/dati/prova.ntc"},
        {"/dati/prova.txt", "/dati/prova.txt"},
        {"/dati.vecchi/prova", "/dati.vecchi/prova.ntc"},
        {"/dati/con spazi è", "/dati/con spazi è.ntc"},
        {"relativo", cartella + "/relativo.ntc"},
    };
    for (const Caso& caso : casi) {
        scelta.risposte = {caso.risposta, caso.risposta};
        EXPECT_EQ(DialogoSalva(dialogo), PercorsoDaTesto(caso.atteso))
            << caso.risposta.toStdString();
        EXPECT_EQ(DialogoApri(dialogo), PercorsoDaTesto(caso.atteso))
            << caso.risposta.toStdString();
    }
}

TEST(PercorsoDaTesto, TieneLettereNonAsciiEBlank) {
    EXPECT_EQ(PercorsoDaTesto(QStringLiteral("/dati/però sì €.ntc")),
              std::filesystem::path(u8"/dati/però sì €.ntc"));
}

TEST(ScegliCartellaIniziale, LaCartellaDelProgrammaSoloSeVieneConcessaLaScrittura) {
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString programma = base.filePath("programma");
    const QString documenti = base.filePath("documenti");
    const QString casa = base.filePath("casa");
    QDir().mkpath(programma);
    QDir().mkpath(documenti);
    QFile file(base.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(ScegliCartellaIniziale(programma, documenti, casa), programma);
    EXPECT_EQ(ScegliCartellaIniziale(base.filePath("manca"), documenti, casa), documenti);
    EXPECT_EQ(ScegliCartellaIniziale(base.filePath("file"), documenti, casa), documenti);
    EXPECT_EQ(ScegliCartellaIniziale("", documenti, casa), documenti);
    EXPECT_EQ(ScegliCartellaIniziale(base.filePath("manca"), base.filePath("manca"), casa), casa);
    EXPECT_EQ(ScegliCartellaIniziale(base.filePath("manca"), "", casa), casa);
}

TEST(ScegliCartellaIniziale, CartellaDiSolaLettura) {
    QTemporaryDir base;
    const QString programma = base.filePath("installato");
    QDir().mkpath(programma);
    QFile::setPermissions(programma, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(programma).isWritable()) {
        QFile::setPermissions(programma, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "i permessi non fermano questo utente (root)";
    }
    EXPECT_EQ(ScegliCartellaIniziale(programma, base.path(), "/"), base.path());
    QFile::setPermissions(programma, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
