#include "cartella_prova.h"
#include "files/contenuto_file.h"
#include "files/profilo_privato.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::array<VoceProfilo, 2> VOCI{VoceProfilo{"R0", "10000"}, VoceProfilo{"B", "3950"}};
const std::string NUOVO = "[NTC]\r\nR0=10000\r\nB=3950\r\n";

struct Lettura {
    std::size_t conteggio;
    std::string buffer;
};

Lettura Leggi(const fs::path& file, std::string_view chiave, std::size_t dimensione = 255) {
    std::string buffer(dimensione, '#');
    const std::size_t conteggio = LeggiStringaProfilo("NTC", chiave, "0", buffer, file);
    return {conteggio, buffer};
}

mode_t Permessi(const fs::path& file) {
    struct stat stato {};
    EXPECT_EQ(::stat(file.c_str(), &stato), 0);
    return stato.st_mode & 07777;
}

TEST(LeggiStringaProfilo, CopiaIlPredefinitoERestituisceIlConteggio) {
    CartellaProva cartella;
    ScriviFile(cartella / "p.ntc", "[NTC]\r\nR0=4700\r\n");
    const Lettura assente = Leggi(cartella / "manca.ntc", "R0");
    EXPECT_EQ(assente.conteggio, 1U);
    EXPECT_EQ(assente.buffer.substr(0, 2), std::string("0\0", 2));
    EXPECT_EQ(Leggi(cartella / "p.ntc", "B").conteggio, 1U);
    const Lettura presente = Leggi(cartella / "p.ntc", "r0");
    EXPECT_EQ(presente.conteggio, 4U);
    EXPECT_EQ(presente.buffer.substr(0, 5), std::string("4700\0", 5));
    EXPECT_EQ(presente.buffer[5], '#') << "scritto oltre il NUL";
    const Lettura corta = Leggi(cartella / "p.ntc", "R0", 3);
    EXPECT_EQ(corta.conteggio, 2U);
    EXPECT_EQ(corta.buffer, std::string("47\0", 3));
    EXPECT_EQ(Leggi(cartella / "p.ntc", "R0", 1).conteggio, 0U);
}

TEST(LeggiStringaProfilo, ValoreTagliatoA254CaratteriEAlPrimoNul) {
    CartellaProva cartella;
    ScriviFile(cartella / "lungo.ntc", "[NTC]\nR0=" + std::string(10000, '7') +
                                           "\nB=39\0"
                                           "50\n\0\0"s);
    const Lettura lungo = Leggi(cartella / "lungo.ntc", "R0");
    EXPECT_EQ(lungo.conteggio, 254U);
    EXPECT_EQ(lungo.buffer.substr(0, 254), std::string(254, '7'));
    const Lettura conNul = Leggi(cartella / "lungo.ntc", "B");
    EXPECT_EQ(conNul.conteggio, 2U);
    EXPECT_EQ(conNul.buffer.substr(0, 3), "39\0"s);
}

TEST(LeggiStringaProfilo, FileCheNonSiPossonoLeggereDannoIlPredefinito) {
    CartellaProva cartella;
    fs::create_directory(cartella / "cartella.ntc");
    ScriviFile(cartella / "binario.ntc", "\0\x01[NTC\0]\nR0=\xFF\0\n"s);
    ScriviFile(cartella / "enorme.ntc", "[NTC]\nR0=1\n");
    fs::resize_file(cartella / "enorme.ntc", DIMENSIONE_MASSIMA_FILE + 1);
    for (const char* nome : {"cartella.ntc", "binario.ntc", "enorme.ntc"}) {
        const Lettura letta = Leggi(cartella / nome, "R0");
        EXPECT_EQ(letta.conteggio, 1U) << nome;
        EXPECT_EQ(letta.buffer[0], '0') << nome;
    }
}

TEST(ScriviVociProfilo, CreaIlFileConRigheCrLf) {
    CartellaProva cartella;
    const fs::path file = cartella / "nuovo file è.ntc";
    ASSERT_TRUE(ScriviVociProfilo(file, "NTC", VOCI));
    EXPECT_EQ(LeggiFile(file), NUOVO);
    EXPECT_EQ(cartella.Elenco(), "nuovo file è.ntc");
    const mode_t maschera = ::umask(0);
    ::umask(maschera);
    EXPECT_EQ(Permessi(file), 0666 & ~maschera);
}

TEST(ScriviVociProfilo, TieneOgniAltroByteEDueSalvataggiDannoLoStessoFile) {
    CartellaProva cartella;
    const fs::path file = cartella / "misto.ntc";
    const std::string prima = "\xEF\xBB\xBF; sensori\n[Altro]\r\nR0 = 5\rB=6\n\n[ntc]\nb=1\n"
                              "b=2\n; ultima\n\n\n[Dopo]\nx=\"y\"";
    ScriviFile(file, prima);
    ASSERT_TRUE(ScriviVociProfilo(file, "NTC", VOCI));
    const std::string dopo = LeggiFile(file);
    EXPECT_EQ(dopo, "\xEF\xBB\xBF; sensori\n[Altro]\r\nR0 = 5\rB=6\n\n[ntc]\nB=3950\r\n"
                    "b=2\n; ultima\nR0=10000\r\n\n\n[Dopo]\nx=\"y\"");
    ASSERT_TRUE(ScriviVociProfilo(file, "NTC", VOCI));
    EXPECT_EQ(LeggiFile(file), dopo);
    EXPECT_EQ(cartella.Elenco(), "misto.ntc");
}

TEST(ScriviVociProfilo, TieneIPermessiETocaIlFileDelCollegamento) {
    CartellaProva cartella;
    const fs::path vero = cartella / "vero.ntc";
    ScriviFile(vero, "[NTC]\nR0=1\n");
    ASSERT_EQ(::chmod(vero.c_str(), 0640), 0);
    fs::create_symlink("vero.ntc", cartella / "collegamento.ntc");
    ASSERT_TRUE(ScriviVociProfilo(cartella / "collegamento.ntc", "NTC", VOCI));
    EXPECT_TRUE(fs::is_symlink(cartella / "collegamento.ntc"));
    EXPECT_EQ(LeggiFile(vero), "[NTC]\nR0=10000\r\nB=3950\r\n");
    EXPECT_EQ(Permessi(vero), 0640);
}

TEST(ScriviVociProfilo, RiusaEToglieIlTemporaneoLasciatoDaUnSalvataggioInterrotto) {
    CartellaProva cartella;
    const fs::path file = cartella / "p.ntc";
    ScriviFile(NomeTemporaneo(file), "[NTC]\r\nR0=mezzo");
    ASSERT_TRUE(ScriviVociProfilo(file, "NTC", VOCI));
    EXPECT_EQ(LeggiFile(file), NUOVO);
    EXPECT_EQ(cartella.Elenco(), "p.ntc");
}

TEST(ScriviVociProfilo, FileGrandeEBinarioTenutiByteperByte) {
    CartellaProva cartella;
    std::string grande = "[Grande]\n";
    while (grande.size() < std::size_t{50} * 1024U * 1024U) {
        grande += "chiave=valore abbastanza lungo per riempire\n";
    }
    const std::string binario = "\0\x01\x02[NTC\0]\r\nR0=\xFF\0\n\0\n"s;
    for (const std::string& prima : {grande, binario}) {
        const fs::path file = cartella / "f.ntc";
        ScriviFile(file, prima);
        ASSERT_TRUE(ScriviVociProfilo(file, "NTC", VOCI));
        EXPECT_TRUE(LeggiFile(file) == prima + NUOVO) << "file di " << prima.size() << " byte";
        EXPECT_EQ(Leggi(file, "R0").buffer.substr(0, 5), "10000");
    }
}

// Every failure must leave the folder exactly as it was: same file, same bytes, no temporary.
class SalvataggioRifiutato : public ::testing::Test {
protected:
    void AttendiRifiuto(const fs::path& file) {
        const std::string elenco = cartella.Elenco();
        const std::string prima = fs::is_regular_file(file) ? LeggiFile(file) : std::string();
        EXPECT_FALSE(ScriviVociProfilo(file, "NTC", VOCI));
        EXPECT_EQ(cartella.Elenco(), elenco);
        if (fs::is_regular_file(file)) {
            EXPECT_TRUE(LeggiFile(file) == prima);
        }
    }
    CartellaProva cartella;
};

TEST_F(SalvataggioRifiutato, CartellaComeNomeDiFile) {
    fs::create_directory(cartella / "cartella.ntc");
    AttendiRifiuto(cartella / "cartella.ntc");
    EXPECT_TRUE(fs::is_directory(cartella / "cartella.ntc"));
}

TEST_F(SalvataggioRifiutato, CartellaCheEUnFile) {
    ScriviFile(cartella / "file", "x");
    AttendiRifiuto(cartella / "file" / "p.ntc");
}

TEST_F(SalvataggioRifiutato, FileDiSolaLettura) {
    const fs::path file = cartella / "sola lettura.ntc";
    ScriviFile(file, "[NTC]\nR0=1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    AttendiRifiuto(file);
    EXPECT_EQ(Permessi(file), 0444);
}

TEST_F(SalvataggioRifiutato, CartellaDiSolaLettura) {
    const fs::path file = cartella / "p.ntc";
    ScriviFile(file, "[NTC]\nR0=1\n");
    ASSERT_EQ(::chmod(cartella.Percorso().c_str(), 0555), 0);
    if (::access(cartella.Percorso().c_str(), W_OK) == 0) {
        GTEST_SKIP() << "i permessi non fermano questo utente (root): vedi CartellaDelSistema";
    }
    AttendiRifiuto(file);
    AttendiRifiuto(cartella / "nuovo.ntc");
}

TEST(SalvataggioRifiutatoSempre, CartellaDelSistema) {
    // Not even a privileged user can create files here.
    EXPECT_FALSE(ScriviVociProfilo("/proc/parametri.ntc", "NTC", VOCI));
    EXPECT_FALSE(fs::exists("/proc/.parametri.ntc.brevanto-tmp"));
}

TEST_F(SalvataggioRifiutato, FileOltreIlLimite) {
    const fs::path file = cartella / "enorme.ntc";
    ScriviFile(file, "[NTC]\nR0=1\n");
    fs::resize_file(file, DIMENSIONE_MASSIMA_FILE + 1);
    AttendiRifiuto(file);
    EXPECT_EQ(fs::file_size(file), DIMENSIONE_MASSIMA_FILE + 1);
}

TEST_F(SalvataggioRifiutato, NomeOValoreCheSpezzerebbeIlFile) {
    const fs::path file = cartella / "p.ntc";
    ScriviFile(file, "[NTC]\nR0=1\n");
    const std::array<VoceProfilo, 1> cattiva{VoceProfilo{"R0", "1\r\n[Altro]"}};
    EXPECT_FALSE(ScriviVociProfilo(file, "NTC", cattiva));
    EXPECT_EQ(LeggiFile(file), "[NTC]\nR0=1\n");
}

// A full disk, for root too: the file-size limit makes the write of the temporary fail.
class LimiteDimensione {
public:
    explicit LimiteDimensione(rlim_t byte) {
        vecchioSegnale_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &vecchio_);
        rlimit nuovo = vecchio_;
        nuovo.rlim_cur = byte;
        ::setrlimit(RLIMIT_FSIZE, &nuovo);
    }
    ~LimiteDimensione() {
        ::setrlimit(RLIMIT_FSIZE, &vecchio_);
        std::signal(SIGXFSZ, vecchioSegnale_);
    }
    LimiteDimensione(const LimiteDimensione&) = delete;
    LimiteDimensione& operator=(const LimiteDimensione&) = delete;

private:
    rlimit vecchio_{};
    void (*vecchioSegnale_)(int) = nullptr;
};

TEST_F(SalvataggioRifiutato, DiscoPieno) {
    const fs::path file = cartella / "p.ntc";
    ScriviFile(file, "[Altro]\n" + std::string(200, 'x') + "\n[NTC]\nR0=1\n");
    const std::string prima = LeggiFile(file);
    bool riuscito = true;
    {
        const LimiteDimensione limite(100);
        riuscito = ScriviVociProfilo(file, "NTC", VOCI);
    }
    EXPECT_FALSE(riuscito);
    EXPECT_TRUE(LeggiFile(file) == prima);
    EXPECT_EQ(cartella.Elenco(), "p.ntc");
}

} // namespace
