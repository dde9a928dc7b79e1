#include "core/testi_numerici.h"
#include "profilo/file_ntc.h"
#include "tests/ntc/comando_prova.h"
#include "tests/profilo/cartella_prova.h"

#include <string>
#include <vector>

namespace {

// The file's lines without [NTC]'s R0 and B, the two the calculator writes.
std::vector<std::string> RigheNonDellaCalcolatrice(const std::string& testo) {
    std::vector<std::string> righe;
    bool ntc = false;
    for (const std::string& riga : Righe(testo)) {
        if (riga.starts_with("[")) {
            ntc = riga.starts_with("[NTC]");
        }
        if (!(ntc && (riga.starts_with("R0=") || riga.starts_with("B=")))) {
            righe.push_back(riga);
        }
    }
    return righe;
}

struct Caso {
    std::vector<std::string_view> adatta;
    std::vector<std::string_view> modello; // the options; a word without "--": a printed key
    std::string_view tipo;
};

} // namespace

TEST(FileParametri, UnAdattamentoSalvatoSiApreNellaCalcolatriceEVaAvanti) {
    CartellaProva cartella;
    const std::string file = (cartella / "sonda.ntc").string();
    const std::vector<Caso> casi{
        {{"--modello", "beta", "--t0", "30", "--punti", "25:10000.123456789012", "85:1452.2"},
         {"--r0", "R0", "--beta", "B", "--t0", "T0"},
         "beta"},
        {{"--modello", "steinhart-hart", "--punti", "-40:195652", "25:10000", "85:1452"},
         {"--sh", "A", "B", "C"},
         "steinhart-hart"},
        {{"--modello", "esteso", "--punti", "-40:195652", "0:27219", "25:10000", "50:4161",
          "85:1452", "125:531"},
         {"--esteso", "A1", "B1", "C1", "D1", "--rif", "Rrif"},
         "esteso"},
    };
    for (const Caso& caso : casi) {
        std::vector<std::string_view> argomenti{"adatta"};
        argomenti.insert(argomenti.end(), caso.adatta.begin(), caso.adatta.end());
        argomenti.insert(argomenti.end(), {"--salva", file});
        const std::string adattato = Uscita(argomenti);
        ASSERT_EQ(Valore(adattato, "modello"), caso.tipo);

        // The fitted model, from the printed coefficients.
        std::vector<std::string> modello;
        for (const std::string_view parola : caso.modello) {
            modello.push_back(parola.starts_with("--") ? std::string(parola)
                                                       : Valore(adattato, parola));
        }
        const auto con = [&](std::vector<std::string_view> prima,
                             std::vector<std::string_view> dopo) {
            prima.insert(prima.end(), modello.begin(), modello.end());
            prima.insert(prima.end(), dopo.begin(), dopo.end());
            return Uscita(prima);
        };
        const double r25 = Numero(Righe(con({"resistenza"}, {"25"})).at(0).substr(3));
        const double b2585 = Numero(Righe(con({"beta"}, {"--tra", "25", "85"})).at(0));

        // The calculator reads the model's R25 and B25/85 as its own number text gives them.
        ParametriNTC calcolatrice;
        CaricaParametri(file, calcolatrice);
        EXPECT_EQ(calcolatrice.R0, LeggiNumero(NumeroInTesto(r25))) << caso.tipo;
        EXPECT_EQ(calcolatrice.B, LeggiNumero(NumeroInTesto(b2585))) << caso.tipo;

        // --file gives the fitted model's own values.
        for (const std::string_view t : {"25", "-40", "125"}) {
            EXPECT_EQ(Uscita({"resistenza", "--file", file, t}), con({"resistenza"}, {t}))
                << caso.tipo << " " << t;
        }

        // The calculator's save changes its two lines and no other byte.
        const std::string prima = LeggiFile(file);
        ASSERT_TRUE(SalvaParametri(file, ParametriNTC{4700, 3435}));
        const std::string dopo = LeggiFile(file);
        EXPECT_NE(prima, dopo);
        EXPECT_EQ(RigheNonDellaCalcolatrice(prima), RigheNonDellaCalcolatrice(dopo)) << caso.tipo;
        std::filesystem::remove(file);
    }
}

TEST(FileParametri, UnFileDellaCalcolatriceEUnaBeta) {
    CartellaProva cartella;
    const std::string file = (cartella / "sonda.ntc").string();
    ASSERT_TRUE(SalvaParametri(file, ParametriNTC{4700.5, 3977}));
    EXPECT_EQ(Uscita({"resistenza", "--file", file, "25", "85"}),
              Uscita({"resistenza", "--r0", "4700.5", "--beta", "3977", "25", "85"}));
    EXPECT_EQ(Uscita({"beta", "--file", file, "--tra", "25", "85"}), "3977\n");
}

TEST(FileParametri, FileIlleggibiliOSenzaModello) {
    CartellaProva cartella;
    const std::string vuoto = (cartella / "vuoto.ntc").string();
    ScriviFile(vuoto, "[NTC]\r\nR0=0\r\nB=3950\r\n");
    EXPECT_EQ(Uscita({"resistenza", "--file", vuoto, "25"}, STATO_DATI), "");
    EXPECT_EQ(Uscita({"resistenza", "--file", (cartella / "manca.ntc").string(), "25"}, STATO_DATI),
              "");
    EXPECT_EQ(Uscita({"resistenza", "--file", vuoto, "--r0", "1", "25"}, STATO_USO), "");
    // A file that names a model it does not hold is not taken for its [NTC] Beta.
    const std::string rotto = (cartella / "rotto.ntc").string();
    ScriviFile(rotto, "[NTC]\nR0=10000\nB=3950\n[Modello]\nTipo=steinhart-hart\n"
                      "[Steinhart-Hart]\nA=abc\nB=0.0002\nC=\n");
    const Esecuzione letto = Esegui({"resistenza", "--file", rotto, "25"});
    EXPECT_EQ(letto.stato, STATO_DATI);
    EXPECT_EQ(letto.uscita, "");
    EXPECT_NE(letto.errori.find("A=abc"), std::string::npos) << letto.errori;
    // A save that fails is a failed command: no coefficients, and no file.
    const std::string altrove = (cartella / "manca" / "sonda.ntc").string();
    EXPECT_EQ(Uscita({"adatta", "--modello", "beta", "--punti", "25:10000", "85:1452", "--salva",
                      altrove},
                     STATO_DATI),
              "");
    EXPECT_FALSE(std::filesystem::exists(altrove));
}
