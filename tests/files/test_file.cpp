#include "files/contenuto_file.h"
#include "files/dialoghi_file.h"
#include "files/dichiarazioni.h"
#include "files/profilo_privato.h"
#include "files/traduzione_qt.h"
#include "scelta_file_finta.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <random>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using std::filesystem::path;

const std::array<VoceProfilo, 2> VOCI{VoceProfilo{"R0", "10000"}, VoceProfilo{"B", "3950"}};
const std::string NUOVO = "[NTC]\r\nR0=10000\r\nB=3950\r\n";

std::string LeggiFile(const fs::path& file) {
    std::ifstream ingresso(file, std::ios::binary);
    return fs::is_directory(file) ? "(cartella)"
                                  : std::string(std::istreambuf_iterator<char>(ingresso), {});
}

void ScriviFile(const fs::path& file, std::string_view testo) {
    std::ofstream(file, std::ios::binary) << testo;
}

// The value LeggiStringaProfilo copies, "-" by default, as long as the count says.
std::string Leggi(const fs::path& file, const char* chiave) {
    std::string buffer(255, '#');
    const std::size_t conteggio = LeggiStringaProfilo("NTC", chiave, "-", buffer, file);
    EXPECT_EQ(buffer.at(conteggio), '\0');
    return buffer.substr(0, conteggio);
}

struct Cartella : QTemporaryDir {
    fs::path operator/(const char* nome) const { return PercorsoDaTesto(filePath(nome)); }
    auto Voci() const { return std::distance(fs::directory_iterator(*this / "."), {}); }
};

TEST(LeggiStringaProfilo, RegoleDiLettura) {
    const std::vector<std::tuple<std::string, std::string, std::string>> casi = {
        {"  [ ntc ]  \n \t r0   =   12  \nb=\n", "12", ""},
        {"[NTC]\nR0=' 1 '\nB=\"12'\n", " 1 ", "\"12'"},
        {"[NTC]\n;R0=0\nR0\nR0=a=b\nR0=2\n  ; B=4\n[NTC]\nB=3\n", "a=b", "-"},
        {"\xEF\xBB\xBF[NTC]\rR0=5\rB=6", "5", "6"},
        {"R0=1\n[A]\r\nB=1\n[NTC]\rR0=7\nB=8\r\n", "7", "8"},
        {"\0\x01[NTC\0]\nR0=\xFF\0\n"s, "-", "-"},
        {"[NTC]\nR0=" + std::string(10000, '7'), std::string(254, '7'), "-"},
    };
    Cartella cartella;
    for (const auto& [contenuto, r0, b] : casi) {
        ScriviFile(cartella / "p.ntc", contenuto);
        EXPECT_EQ(Leggi(cartella / "p.ntc", "R0"), r0) << contenuto;
        EXPECT_EQ(Leggi(cartella / "p.ntc", "B"), b) << contenuto;
    }
    EXPECT_EQ(Leggi(cartella / "manca.ntc", "R0"), "-");
    EXPECT_EQ(Leggi(cartella / ".", "R0"), "-");
}

TEST(ScriviVociProfilo, RegoleDiScritturaTengonoPermessiEAltriByte) {
    const std::string grande = "[Grande]\n" + std::string(std::size_t{50} << 20U, 'x') + "\n";
    const std::string binario = "\0\x01[NTC\0]\r\nR0=\xFF\0\n"s;
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"; testa\n[Altro]\nR0 = 1\n\n[NTC]\nR0=1\nB = 2 \n[Dopo]\ny=2",
         "; testa\n[Altro]\nR0 = 1\n\n[NTC]\nR0=10000\r\nB=3950\r\n[Dopo]\ny=2"},
        {"[NTC]\nR0=1\n; fine\n\n[Dopo]\n", "[NTC]\nR0=10000\r\n; fine\nB=3950\r\n\n[Dopo]\n"},
        {"\xEF\xBB\xBF[Altro]\rx=1", "\xEF\xBB\xBF[Altro]\rx=1\r\n" + NUOVO},
        {"[ntc]\nR0=1\nr0=2\n[NTC]\nB=3\n", "[ntc]\nR0=10000\r\nr0=2\nB=3950\r\n[NTC]\nB=3\n"},
        {grande, grande + NUOVO},
        {binario, binario + NUOVO},
    };
    Cartella cartella;
    const fs::path file = cartella / "p.ntc";
    for (const auto& [prima, dopo] : casi) {
        ScriviFile(file, prima);
        fs::permissions(file, fs::perms(0640));
        ASSERT_TRUE(ScriviVociProfilo(file, "NTC", VOCI));
        EXPECT_TRUE(LeggiFile(file) == dopo) << prima.substr(0, 50);
        ASSERT_TRUE(ScriviVociProfilo(file, "NTC", VOCI));
        EXPECT_TRUE(LeggiFile(file) == dopo) << "la seconda volta";
        EXPECT_EQ(Leggi(file, "R0"), "10000");
        EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
        EXPECT_EQ(cartella.Voci(), 1);
    }
}

// Each of these fails for root too, and must leave the folder and the file as they were.
TEST(ScriviVociProfilo, UnSalvataggioFallitoLasciaTuttoComEra) {
    Cartella cartella;
    fs::create_directory(cartella / "cartella.ntc");
    ScriviFile(cartella / "file", "x");
    ScriviFile(cartella / "sola lettura.ntc", "[NTC]\nR0=1\n");
    fs::permissions(cartella / "sola lettura.ntc", fs::perms(0444));
    ScriviFile(cartella / "pieno.ntc", "[Altro]\n" + std::string(200, 'x') + "\n");
    // A full disk: the size limit stops the write of a temporary beyond 100 bytes.
    rlimit vecchio{};
    ::getrlimit(RLIMIT_FSIZE, &vecchio);
    const rlimit limite{100, vecchio.rlim_max};
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    for (const fs::path& file :
         {cartella / "cartella.ntc", cartella / "file" / "p.ntc", fs::path("/proc/p.ntc"),
          cartella / "sola lettura.ntc", cartella / "pieno.ntc"}) {
        const std::string prima = LeggiFile(file);
        EXPECT_FALSE(ScriviVociProfilo(file, "NTC", VOCI)) << file;
        EXPECT_EQ(cartella.Voci(), 4) << file;
        EXPECT_TRUE(LeggiFile(file) == prima) << file;
    }
    ::setrlimit(RLIMIT_FSIZE, &vecchio);
    std::signal(SIGXFSZ, segnale);
    EXPECT_EQ(fs::status(cartella / "sola lettura.ntc").permissions(), fs::perms(0444));
}

TEST(SalvaParametri, ITestiScrittiTornanoGliStessiNumeri) {
    const std::vector<std::pair<ParametriNTC, std::string>> casi = {
        {{10000, 3950}, NUOVO},
        {{0.5, -2.5}, "[NTC]\r\nR0=.5\r\nB=-2.5\r\n"},
        {{1E15, 3950}, "[NTC]\r\nR0=1E+15\r\nB=3950\r\n"},
    };
    Cartella cartella;
    const fs::path file = cartella / "nuovo.ntc";
    for (const auto& [parametri, testo] : casi) {
        ASSERT_TRUE(SalvaParametri(file, parametri));
        EXPECT_EQ(LeggiFile(file), testo);
        ParametriNTC letti{-1, -1};
        CaricaParametri(file, letti);
        EXPECT_EQ(std::pair(letti.R0, letti.B), std::pair(parametri.R0, parametri.B)) << testo;
    }
    // Beyond the double range the parameter keeps its value; a missing key reads as 0.
    ScriviFile(file, "[NTC]\nR0=1E400\n");
    ParametriNTC letti{111, 222};
    CaricaParametri(file, letti);
    EXPECT_EQ(std::pair(letti.R0, letti.B), std::pair(111.0, 0.0));
}

// A save killed at any moment leaves the old file or the new one, and at most the one temporary.
TEST(Interruzione, UnSalvataggioUccisoLasciaIlVecchioOIlNuovo) {
    Cartella cartella;
    const fs::path file = cartella / "p.ntc";
    const std::string vecchio = "[NTC]\r\nR0=4700\r\nB=3435\r\n";
    ScriviFile(file, vecchio);
    std::mt19937 caso(20240611);
    int nuovi = 0;
    for (int uccisione = 0; uccisione < 200; ++uccisione) {
        const pid_t figlio = ::fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            for (unsigned giro = 0;; ++giro) { // until killed
                SalvaParametri(file, giro % 2 == 0 ? ParametriNTC{4700, 3435}
                                                   : ParametriNTC{10000, 3950});
            }
        }
        ::usleep(caso() % 40000);
        ::kill(figlio, SIGKILL);
        ASSERT_EQ(::waitpid(figlio, nullptr, 0), figlio);
        const std::string contenuto = LeggiFile(file);
        ASSERT_TRUE(contenuto == vecchio || contenuto == NUOVO) << uccisione << ": " << contenuto;
        nuovi += contenuto == NUOVO ? 1 : 0;
        ASSERT_EQ(cartella.Voci(), fs::exists(NomeTemporaneo(file)) ? 2 : 1) << uccisione;
    }
    EXPECT_GT(nuovi, 0);
    ASSERT_TRUE(SalvaParametri(file, {10000, 3950}));
    EXPECT_EQ(cartella.Voci(), 1);
}

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
        EXPECT_EQ(vista.flag, salva ? 2 : 4);
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

TEST(TraduzioneQt, IDialoghiStandardParlanoItaliano) {
    ASSERT_TRUE(CaricaTraduzioneQt(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nome del file:");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // test discovery, too, runs without a display
    QApplication applicazione(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
