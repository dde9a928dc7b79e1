// What a killed save leaves behind may only ever put back the save it interrupted: not
// over a later file that took the same inode number, not over a save made through another
// name of the file, and not in the way of the file's owner in a shared folder.
#include "profilo/profilo.h"
#include "tests/profilo/cartella_prova.h"
#include "tests/profilo/processi_prova.h"

#include <gtest/gtest.h>

#include <sys/xattr.h>

namespace {

namespace fs = std::filesystem;

const std::vector<VoceProfilo> VOCI_DOPO{{"NTC", "R0", "777"}, {"NTC", "B", "888"}};
const std::string CONTENUTO_DOPO = "[NTC]\r\nR0=777\r\nB=888\r\n";

bool NessunaPreparazione() {
    return true;
}

// An extended attribute makes every save of the file write into it in place.
bool ConAttributo(const fs::path& file) {
    return ::setxattr(file.c_str(), "user.brevanto", "1", 1, 0) == 0;
}

// The file deleted and saved anew with the old one's inode number: empty files take the
// free numbers below it until the next file made is bound to get it.
TEST(SalvataggioInterrotto, NonTornaSuUnFileNuovoConLoStessoInode) {
    CartellaProva cartella;
    const fs::path file = cartella / "p.ntc";
    ScriviFile(file, CONTENUTO_VECCHIO);
    if (!ConAttributo(file)) {
        GTEST_SKIP() << "this file system keeps no user attributes";
    }
    ASSERT_TRUE(UccidiFinoAUnSalvataggioInterrotto(file, NessunaPreparazione));
    const ino_t inode = Stato(file).st_ino;
    fs::remove(file);
    for (int riempitivo = 0; riempitivo < 20000; ++riempitivo) {
        const fs::path vuoto = cartella / ("vuoto" + std::to_string(riempitivo));
        ScriviFile(vuoto, "");
        if (Stato(vuoto).st_ino == inode) {
            fs::remove(vuoto);
            break;
        }
    }
    ASSERT_TRUE(ScriviVociProfilo(file, VOCI_DOPO));
    if (Stato(file).st_ino != inode) {
        GTEST_SKIP() << "the file system gave the inode number to no new file";
    }
    EXPECT_EQ(LeggiFileProfilo(file).profilo.Valore("NTC", "R0"), "777");
    ASSERT_TRUE(ScriviVociProfilo(file, {{{"NTC", "B", "889"}}}));
    EXPECT_EQ(LeggiFile(file), "[NTC]\r\nR0=777\r\nB=889\r\n");
}

// Interrupted through one name, saved through another in the same folder or in another:
// every name reads the later save, and nothing is left behind in either folder.
TEST(SalvataggioInterrotto, OgniNomeDelFileVedeLUltimoSalvataggio) {
    for (const bool altraCartella : {false, true}) {
        CartellaProva cartella;
        const fs::path a = cartella / "a.ntc";
        fs::create_directory(cartella / "altra");
        const fs::path b = altraCartella ? cartella / "altra" / "b.ntc" : cartella / "b.ntc";
        ScriviFile(a, CONTENUTO_VECCHIO);
        fs::create_hard_link(a, b);
        ASSERT_TRUE(UccidiFinoAUnSalvataggioInterrotto(a, NessunaPreparazione));
        ASSERT_TRUE(ScriviVociProfilo(b, VOCI_DOPO)) << altraCartella;
        for (const fs::path& nome : {a, b, a}) {
            EXPECT_EQ(LeggiFileProfilo(nome).profilo.Valore("NTC", "B"), "888") << nome;
        }
        EXPECT_EQ(LeggiFile(a), CONTENUTO_DOPO) << altraCartella;
        ASSERT_TRUE(ScriviVociProfilo(a, VOCI_DOPO));
        EXPECT_EQ(cartella.Voci(), altraCartella ? 2 : 3);
        EXPECT_EQ(std::distance(fs::directory_iterator(cartella / "altra"), {}),
                  altraCartella ? 1 : 0);
        EXPECT_EQ(Stato(a).st_nlink, 2U);
    }
}

// Runs as root: a sticky team folder (root:team 3775) with alice's file (alice:team 0660,
// with an extended attribute or without), whose save by bob is killed. Alice's next save
// lands, and afterwards nothing of bob's is left beside the file.
TEST(SalvataggioInterrotto, NonBloccaIlProprietarioInUnaCartellaCondivisa) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as two users";
    }
    constexpr uid_t ALICE = 47111;
    constexpr uid_t BOB = 47112;
    constexpr gid_t SQUADRA = 47110;
    for (const bool attributo : {true, false}) {
        CartellaProva base;
        fs::permissions(base.Percorso(), fs::perms(0755));
        const fs::path squadra = base / "squadra";
        fs::create_directory(squadra);
        ASSERT_EQ(::chown(squadra.c_str(), 0, SQUADRA), 0);
        ASSERT_EQ(::chmod(squadra.c_str(), 03775), 0);
        const fs::path file = squadra / "sonda.ntc";
        ScriviFile(file, CONTENUTO_VECCHIO);
        if (attributo && !ConAttributo(file)) {
            GTEST_SKIP() << "this file system keeps no user attributes";
        }
        ASSERT_EQ(::chown(file.c_str(), ALICE, SQUADRA), 0);
        ASSERT_EQ(::chmod(file.c_str(), 0660), 0);

        ASSERT_TRUE(
            UccidiFinoAUnSalvataggioInterrotto(file, [&] { return DiventaUtente(BOB, SQUADRA); }));
        const int esito = NelFiglio([&] {
            if (!DiventaUtente(ALICE, SQUADRA)) {
                return 2;
            }
            return ScriviVociProfilo(file, VOCI_DOPO) &&
                           LeggiFileProfilo(file).profilo.Valore("NTC", "R0") == "777"
                       ? 0
                       : 1;
        });
        EXPECT_EQ(esito, 0) << "alice could not save, attribute " << attributo;
        EXPECT_EQ(LeggiFile(file), CONTENUTO_DOPO) << attributo;
        EXPECT_EQ(std::distance(fs::directory_iterator(squadra), {}), 1) << attributo;
        EXPECT_EQ(Stato(file).st_uid, ALICE);
        EXPECT_EQ(Stato(file).st_mode & 07777, 0660U);
    }
}

// A save in place killed in the middle leaves its tail in the file. A load puts the file
// right only for a user who may write it, and a copy of the file's bytes is not the file.
TEST(SalvataggioInterrotto, LaCodaValeSoloPerIlSuoFile) {
    CartellaProva cartella;
    fs::permissions(cartella.Percorso(), fs::perms(0755));
    const fs::path file = cartella / "p.ntc";
    ScriviFile(file, CONTENUTO_VECCHIO);
    fs::permissions(file, fs::perms(0644));
    fs::create_hard_link(file, cartella / "secondo.ntc");
    ASSERT_TRUE(UccidiFinoAUnSalvataggioInterrotto(file, NessunaPreparazione));
    const std::string lasciato = LeggiFile(file);
    ScriviFile(cartella / ".brevanto-0123abcd.tmp", "x");
    fs::copy_file(file, cartella / "copia.ntc");

    EXPECT_EQ(LeggiFileProfilo(cartella / "copia.ntc").stato, StatoLettura::Letto);
    EXPECT_TRUE(LeggiFile(cartella / "copia.ntc") == lasciato);
    if (::geteuid() == 0) {
        EXPECT_EQ(NelFiglio([&] {
                      if (!DiventaUtente(47121, 47121)) {
                          return 2;
                      }
                      const auto r0 = LeggiFileProfilo(file).profilo.Valore("NTC", "R0");
                      return r0 == "4700" || r0 == "10000" ? 0 : 1;
                  }),
                  0);
        EXPECT_TRUE(LeggiFile(file) == lasciato) << "put right by a user who may not write it";
    }
    const auto r0 = LeggiFileProfilo(file).profilo.Valore("NTC", "R0");
    EXPECT_EQ(LeggiFile(file), r0 == "4700" ? CONTENUTO_VECCHIO : CONTENUTO_NUOVO);
    EXPECT_EQ(cartella.Voci(), 4); // a load leaves temporaries
    ASSERT_TRUE(ScriviVociProfilo(file, {{{"NTC", "B", "1"}}}));
    EXPECT_EQ(LeggiFileProfilo(cartella / "secondo.ntc").profilo.Valore("NTC", "B"), "1");
    EXPECT_EQ(cartella.Voci(), 3);
}

} // namespace
