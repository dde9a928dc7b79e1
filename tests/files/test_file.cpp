#include "files/contenuto_file.h"
#include "files/dialoghi_file.h"
#include "files/dichiarazioni.h"
#include "files/profilo_privato.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <random>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::array<VoceProfilo, 2> VOCI{VoceProfilo{"R0", "10000"}, VoceProfilo{"B", "3950"}};
const std::string NUOVO = "[NTC]\r\nR0=10000\r\nB=3950\r\n";

std::string LeggiFile(const fs::path& file) {
    if (!fs::is_regular_file(file)) {
        return "(nessun file)";
    }
    std::ifstream ingresso(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
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
        {"[NTC]\r\nR0=10000\r\nB=3950\r\n", "10000", "3950"},
        {"  [ ntc ]  \n \t r0   =   12  \nb=\n", "12", ""},
        {"[NTC]\nR0=\"1 2\"\nB=' 1 '\n", "1 2", " 1 "},
        {"[NTC]\nR0=\"12'\nB=\"\n", "\"12'", "\""},
        {"[NTC]\nR0=1\nR0=2\n[NTC]\nB=3\n", "1", "-"},
        {"[NTC]\n;R0=1\nR0\n  ; B=4\nR0=a=b\n", "a=b", "-"},
        {"\xEF\xBB\xBF[NTC]\rR0=5\rB=6", "5", "6"},
        {"R0=1\n[A]\r\nB=1\n[NTC]\rB=8\r\n", "-", "8"},
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
    const auto voci = cartella.Voci();
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
        EXPECT_EQ(cartella.Voci(), voci) << file;
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
        EXPECT_EQ(letti.R0, parametri.R0) << testo;
        EXPECT_EQ(letti.B, parametri.B) << testo;
    }
    // Beyond the double range the parameter keeps its value; a missing key reads as 0.
    ScriviFile(file, "[NTC]\nR0=1E400\n");
    ParametriNTC letti{111, 222};
    CaricaParametri(file, letti);
    EXPECT_EQ(letti.R0, 111);
    EXPECT_EQ(letti.B, 0);
}

// A save killed at any moment leaves the old file or the new one, and at most the one
// temporary, which the next save removes.
TEST(Interruzione, UnSalvataggioUccisoLasciaIlVecchioOIlNuovo) {
    Cartella cartella;
    const fs::path file = cartella / "p.ntc";
    const std::string vecchio = "[NTC]\r\nR0=4700\r\nB=3435\r\n";
    ScriviFile(file, vecchio);
    std::string programma = SALVA_IN_CICLO;
    std::string argomento = file.string();
    char* argv[] = {programma.data(), argomento.data(), nullptr};
    std::mt19937 caso(20240611);
    int nuovi = 0;
    for (int uccisione = 0; uccisione < 200; ++uccisione) {
        pid_t figlio = 0;
        ASSERT_EQ(::posix_spawn(&figlio, argv[0], nullptr, nullptr, argv, environ), 0);
        // The child needs a few milliseconds to start; the kills then fall all over its saves.
        ::usleep(caso() % 40000);
        ::kill(figlio, SIGKILL);
        ASSERT_EQ(::waitpid(figlio, nullptr, 0), figlio);
        const std::string contenuto = LeggiFile(file);
        ASSERT_TRUE(contenuto == vecchio || contenuto == NUOVO) << uccisione << ": " << contenuto;
        nuovi += contenuto == NUOVO ? 1 : 0;
        const auto voci = cartella.Voci();
        ASSERT_TRUE(voci == 1 || (voci == 2 && fs::exists(NomeTemporaneo(file)))) << uccisione;
    }
    EXPECT_GT(nuovi, 0);
    EXPECT_LT(nuovi, 200);
    ASSERT_TRUE(SalvaParametri(file, {10000, 3950}));
    EXPECT_EQ(cartella.Voci(), 1);
}

} // namespace
