#include "profilo/attesa_blocco.h"
#include "profilo/descrittore.h"
#include "profilo/profilo.h"
#include "tests/profilo/cartella_prova.h"
#include "tests/profilo/processi_prova.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::vector<VoceProfilo> VOCI_SALVATE{{"NTC", "R0", "10000"}, {"NTC", "B", "3950"}};

std::string Valore(const fs::path& file, const char* chiave) {
    return LeggiFileProfilo(file).profilo.Valore("NTC", chiave).value_or("-");
}

// A name as long as the file system allows, and a file as large as a save takes: the
// permissions and a symbolic link to it stay, and no file of the save is left.
TEST(ScriviVociProfilo, TienePermessiELeAltreRighe) {
    CartellaProva cartella;
    const std::string nome = std::string(251, 'n') + ".ntc";
    const fs::path file = cartella / nome;
    const std::string alLimite = "[A]\n" + std::string(DIMENSIONE_MASSIMA_FILE - 40, 'x') + "\n";
    ScriviFile(file, alLimite);
    fs::permissions(file, fs::perms(0640));
    ASSERT_TRUE(ScriviVociProfilo(file, VOCI_SALVATE));
    EXPECT_TRUE(LeggiFile(file) == alLimite + "[NTC]\nR0=10000\nB=3950\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
    EXPECT_EQ(cartella.Voci(), 1);
    fs::create_symlink(nome, cartella / "link.ntc");
    ASSERT_TRUE(ScriviVociProfilo(cartella / "link.ntc", {{{"NTC", "R0", "1"}}}));
    EXPECT_TRUE(fs::is_symlink(cartella / "link.ntc"));
    EXPECT_EQ(Valore(file, "R0"), "1");
}

// Each of these fails for root too, and must leave the folder and the file as they were.
TEST(ScriviVociProfilo, UnSalvataggioFallitoLasciaTuttoComEra) {
    CartellaProva cartella;
    fs::create_directory(cartella / "cartella.ntc");
    ScriviFile(cartella / "file", "x");
    ScriviFile(cartella / "sola lettura.ntc", "[NTC]\nR0=1\n");
    fs::permissions(cartella / "sola lettura.ntc", fs::perms(0444));
    ScriviFile(cartella / "pieno.ntc", "[Altro]\n" + std::string(200, 'x') + "\n");
    ::mkfifo((cartella / "fifo.ntc").c_str(), 0666);
    // 64 MiB of nothing, made in an instant.
    ::truncate((ScriviFile(cartella / "enorme.ntc", "[NTC]\n"), cartella / "enorme.ntc").c_str(),
               std::int64_t{64} << 20U);
    // A full disk: the size limit stops the write of a file beyond 100 bytes.
    rlimit vecchio{};
    ::getrlimit(RLIMIT_FSIZE, &vecchio);
    const rlimit limite{100, vecchio.rlim_max};
    const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    for (const fs::path& file :
         {cartella / "cartella.ntc", cartella / "file" / "p.ntc", fs::path("/proc/p.ntc"),
          cartella / "sola lettura.ntc", cartella / "pieno.ntc", cartella / "fifo.ntc",
          cartella / "enorme.ntc"}) {
        const auto prima = fs::is_regular_file(file) ? fs::file_size(file) : 0;
        const auto inizio = std::chrono::steady_clock::now();
        EXPECT_FALSE(ScriviVociProfilo(file, VOCI_SALVATE)) << file;
        EXPECT_EQ(LeggiFileProfilo(file).stato == StatoLettura::Letto,
                  file.filename() == "pieno.ntc" || file.filename() == "sola lettura.ntc")
            << file;
        EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(1)) << file;
        EXPECT_EQ(cartella.Voci(), 6) << file;
        EXPECT_EQ(fs::is_regular_file(file) ? fs::file_size(file) : 0, prima) << file;
    }
    ::setrlimit(RLIMIT_FSIZE, &vecchio);
    std::signal(SIGXFSZ, segnale);
    EXPECT_EQ(LeggiFile(cartella / "sola lettura.ntc"), "[NTC]\nR0=1\n");
    EXPECT_EQ(fs::status(cartella / "sola lettura.ntc").permissions(), fs::perms(0444));
    EXPECT_FALSE(ScriviVociProfilo(cartella / "p.ntc", {{{"NTC", "R=0", "1"}}}));
    // Write permission for the others alone is write permission: root saves that file.
    if (::geteuid() == 0) {
        fs::permissions(cartella / "sola lettura.ntc", fs::perms(0446));
        EXPECT_TRUE(ScriviVociProfilo(cartella / "sola lettura.ntc", VOCI_SALVATE));
    }
    EXPECT_EQ(LeggiFileProfilo(cartella / "manca.ntc").stato, StatoLettura::Assente);
}

// A file of exactly 1 MiB takes a save that keeps its size, and refuses one that would
// make it larger, whether it is replaced or written in place; a new file is held to the
// same limit.
TEST(Dimensione, NessunSalvataggioPortaIlFileOltreUnMiB) {
    const std::string testa = "[NTC]\r\nR0=4700\r\nB=3435\r\n;";
    const std::string pieno =
        testa + std::string(DIMENSIONE_MASSIMA_FILE - testa.size() - 2, 'x') + "\r\n";
    ASSERT_EQ(pieno.size(), DIMENSIONE_MASSIMA_FILE);
    for (const bool sulPosto : {false, true}) {
        CartellaProva cartella;
        const fs::path file = cartella / "p.ntc";
        ScriviFile(file, pieno);
        if (sulPosto) {
            fs::create_hard_link(file, cartella / "secondo.ntc");
        }
        EXPECT_FALSE(ScriviVociProfilo(file, {{{"NTC", "R0", "10000"}}})) << sulPosto;
        EXPECT_TRUE(LeggiFile(file) == pieno) << sulPosto;
        EXPECT_EQ(cartella.Voci(), sulPosto ? 2 : 1);
        EXPECT_TRUE(ScriviVociProfilo(file, {{{"NTC", "R0", "4701"}}})) << sulPosto;
        EXPECT_EQ(fs::file_size(file), DIMENSIONE_MASSIMA_FILE);
        EXPECT_EQ(LeggiFileProfilo(file).profilo.Valore("NTC", "R0"), "4701");
    }
    // One byte more and the file is not read at all.
    CartellaProva oltre;
    ScriviFile(oltre / "p.ntc", pieno + "x");
    EXPECT_EQ(LeggiFileProfilo(oltre / "p.ntc").stato, StatoLettura::Errore);
    CartellaProva cartella;
    EXPECT_FALSE(ScriviVociProfilo(cartella / "nuovo.ntc",
                                   {{{"NTC", "R0", std::string(DIMENSIONE_MASSIMA_FILE, '1')}}}));
    EXPECT_EQ(cartella.Voci(), 0);
}

// Written in place, as a file with a second link is (see the kill test): the attribute
// stays and no backup is left.
TEST(ScriviVociProfilo, AttributiEstesiRestano) {
    CartellaProva cartella;
    const fs::path file = cartella / "p.ntc";
    ScriviFile(file, "[NTC]\n");
    if (::setxattr(file.c_str(), "user.brevanto", "1", 1, 0) != 0) {
        GTEST_SKIP() << "this file system keeps no user attributes";
    }
    ASSERT_TRUE(ScriviVociProfilo(file, VOCI_SALVATE));
    char letto[4] = {};
    EXPECT_EQ(::getxattr(file.c_str(), "user.brevanto", letto, sizeof letto), 1);
    EXPECT_EQ(LeggiFile(file), "[NTC]\nR0=10000\nB=3950\n");
    EXPECT_EQ(cartella.Voci(), 1);
}

// Runs as root: a team folder (root:team 2775) with alice's file (alice:team 0660), saved
// by bob, who is in team. The file must stay alice's.
TEST(Proprietario, UnCompagnoDiSquadraSalvaIlFileDiUnAltro) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as two users";
    }
    constexpr uid_t ALICE = 47101;
    constexpr uid_t BOB = 47102;
    constexpr gid_t SQUADRA = 47100;
    CartellaProva base;
    fs::permissions(base.Percorso(), fs::perms(0755));
    const fs::path squadra = base / "squadra";
    fs::create_directory(squadra);
    ASSERT_EQ(::chown(squadra.c_str(), 0, SQUADRA), 0);
    ASSERT_EQ(::chmod(squadra.c_str(), 02775), 0);
    const fs::path file = squadra / "sonda.ntc";
    ScriviFile(file, "; di alice\n[NTC]\nR0=1\n");
    ASSERT_EQ(::chown(file.c_str(), ALICE, SQUADRA), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0660), 0);

    const auto comeBob = [&](const auto& azione) {
        return NelFiglio([&] {
            if (!DiventaUtente(BOB, SQUADRA)) {
                return 2;
            }
            return azione() ? 0 : 1;
        });
    };
    ASSERT_EQ(comeBob([&] { return ScriviVociProfilo(file, VOCI_SALVATE); }), 0);
    EXPECT_EQ(LeggiFile(file), "; di alice\n[NTC]\nR0=10000\nB=3950\n");
    const struct stat stato = Stato(file);
    EXPECT_EQ(stato.st_uid, ALICE);
    EXPECT_EQ(stato.st_gid, SQUADRA);
    EXPECT_EQ(stato.st_mode & 07777, 0660U);
    // A new file of bob's takes the folder's group, and bob may write his own file anew.
    ASSERT_EQ(comeBob([&] {
                  return ScriviVociProfilo(squadra / "bob.ntc", VOCI_SALVATE) &&
                         ScriviVociProfilo(squadra / "bob.ntc", VOCI_SALVATE);
              }),
              0);
    EXPECT_EQ(Stato(squadra / "bob.ntc").st_uid, BOB);
    EXPECT_EQ(Stato(squadra / "bob.ntc").st_gid, SQUADRA);
    // Bob's file of the team's group, in his folder that passes no group on, stays the team's.
    const fs::path suo = base / "bob";
    fs::create_directory(suo);
    ASSERT_EQ(::chown(suo.c_str(), BOB, BOB), 0);
    ScriviFile(suo / "sonda.ntc", "[NTC]\n");
    ASSERT_EQ(::chown((suo / "sonda.ntc").c_str(), BOB, SQUADRA), 0);
    ASSERT_EQ(comeBob([&] { return ScriviVociProfilo(suo / "sonda.ntc", VOCI_SALVATE); }), 0);
    EXPECT_EQ(Stato(suo / "sonda.ntc").st_gid, SQUADRA);
    // One the team alone may write, bob saves.
    ASSERT_EQ(::chmod(file.c_str(), 0460), 0);
    EXPECT_EQ(comeBob([&] { return ScriviVociProfilo(file, VOCI_SALVATE); }), 0);
    // A read-only file of alice's stays hers and unchanged.
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    EXPECT_EQ(comeBob([&] { return ScriviVociProfilo(file, {{{"NTC", "R0", "1"}}}); }), 1);
    EXPECT_EQ(Valore(file, "R0"), "10000");
    EXPECT_EQ(std::distance(fs::directory_iterator(squadra), {}), 2);
}

// Two processes save their own section of one file in turn as fast as they can, and a
// third reads it meanwhile: no save that reported success may be undone by the other.
TEST(Concorrenza, DueSalvataggiInsiemeNonPerdonoNulla) {
    constexpr int GIRI = 100;
    for (const bool collegato : {false, true}) {
        CartellaProva cartella;
        const fs::path file = cartella / "p.ntc";
        ScriviFile(file, "; comune\n");
        if (collegato) {
            fs::create_hard_link(file, cartella / "secondo.ntc");
        }
        const auto salvatore = [&](const char* sezione) {
            const pid_t figlio = ::fork();
            if (figlio == 0) {
                for (int giro = 1; giro <= GIRI; ++giro) {
                    const std::string valore = std::to_string(giro);
                    if (!ScriviVociProfilo(file, {{{sezione, "N", valore}}}) ||
                        LeggiFileProfilo(file).profilo.Valore(sezione, "N") != valore) {
                        ::_exit(1);
                    }
                }
                ::_exit(0);
            }
            return figlio;
        };
        const auto lettore = [&] {
            return NelFiglio([&] {
                int ultimo = 0;
                for (int giro = 0; giro < 2 * GIRI; ++giro) {
                    const LetturaProfilo letto = LeggiFileProfilo(file);
                    const int n = std::stoi(letto.profilo.Valore("P", "N").value_or("0"));
                    if (letto.stato != StatoLettura::Letto || n < ultimo ||
                        !LeggiFile(file).starts_with("; comune\n")) {
                        return 1;
                    }
                    ultimo = n;
                }
                return 0;
            });
        };
        const pid_t salvatori[] = {salvatore("P"), salvatore("Q")};
        EXPECT_EQ(lettore(), 0);
        for (const pid_t figlio : salvatori) {
            int stato = 0;
            ::waitpid(figlio, &stato, 0);
            EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << "a save was lost";
        }
        const Profilo finale = LeggiFileProfilo(file).profilo;
        EXPECT_EQ(finale.Valore("P", "N"), std::to_string(GIRI));
        EXPECT_EQ(finale.Valore("Q", "N"), std::to_string(GIRI));
        EXPECT_EQ(cartella.Voci(), collegato ? 2 : 1);
    }
}

// Another process holds the folder's lock: a wait for it ends at its deadline, and the
// wait given up lets go of the lock as soon as it is granted, so that a later wait gets it.
TEST(Concorrenza, UnAttesaScadutaNonTrattieneIlBlocco) {
    CartellaProva cartella;
    int pronto[2];
    int via[2];
    ASSERT_EQ(::pipe(pronto), 0);
    ASSERT_EQ(::pipe(via), 0);
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        const int numero = ::open(cartella.Percorso().c_str(), O_RDONLY | O_DIRECTORY);
        char segnale = 0;
        ::_exit(::flock(numero, LOCK_EX) == 0 && ::write(pronto[1], "x", 1) == 1 &&
                        ::read(via[0], &segnale, 1) == 1
                    ? 0
                    : 1);
    }
    char segnale = 0;
    ASSERT_EQ(::read(pronto[0], &segnale, 1), 1);
    const auto apri = [&] {
        return Descrittore(::open(cartella.Percorso().c_str(), O_RDONLY | O_DIRECTORY));
    };
    const Descrittore primo = apri();
    EXPECT_FALSE(PrendiBlocco(primo.Numero(), LOCK_EX,
                              std::chrono::steady_clock::now() + std::chrono::milliseconds(50)));
    ASSERT_EQ(::write(via[1], "x", 1), 1);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    const Descrittore secondo = apri();
    EXPECT_TRUE(PrendiBlocco(secondo.Numero(), LOCK_EX,
                             std::chrono::steady_clock::now() + std::chrono::seconds(20)));
    for (const int numero : {pronto[0], pronto[1], via[0], via[1]}) {
        ::close(numero);
    }
}

} // namespace
