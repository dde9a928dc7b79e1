#include "core/testi_numerici.h"
#include "ntc/comando.h"
#include "profilo/file_ntc.h"
#include "tests/profilo/cartella_prova.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Esegui(std::vector<std::string_view> argomenti, int stato = STATO_FATTO) {
    std::string uscita;
    std::string errori;
    EXPECT_EQ(EseguiComando(argomenti, uscita, errori), stato) << errori;
    return uscita;
}

// The value of "chiave=valore" in the fit's output.
std::string Chiave(const std::string& uscita, const std::string& chiave) {
    std::istringstream righe(uscita);
    for (std::string riga; std::getline(righe, riga);) {
        if (riga.starts_with(chiave + "=")) {
            return riga.substr(chiave.size() + 1);
        }
    }
    ADD_FAILURE() << chiave << " not in\n" << uscita;
    return "";
}

double Numero(const std::string& testo) {
    return LeggiNumero(testo).value_or(-1);
}

// The value after the comma of the command's one CSV row.
std::string Secondo(const std::string& riga) {
    return riga.substr(riga.find(',') + 1, riga.find('\n') - riga.find(',') - 1);
}

// The file's lines without [NTC]'s R0 and B, the two the calculator writes.
std::vector<std::string> RigheNonDellaCalcolatrice(const std::string& testo) {
    std::vector<std::string> righe;
    std::istringstream flusso(testo);
    bool ntc = false;
    for (std::string riga; std::getline(flusso, riga);) {
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
    std::vector<std::string> coefficienti; // the printed ones, as the model's options
    std::string_view opzione;
    std::string_view tipo;
};

} // namespace

TEST(FileParametri, UnAdattamentoSalvatoSiApreNellaCalcolatriceEVaAvanti) {
    CartellaProva cartella;
    const std::string file = (cartella / "sonda.ntc").string();
    const std::vector<Caso> casi{
        {{"--modello", "beta", "--t0", "30", "--punti", "25:10000.123456789012", "85:1452.2"},
         {"R0", "B", "T0"},
         "",
         "beta"},
        {{"--modello", "steinhart-hart", "--punti", "-40:195652", "25:10000", "85:1452"},
         {"A", "B", "C"},
         "--sh",
         "steinhart-hart"},
        {{"--modello", "esteso", "--punti", "-40:195652", "0:27219", "25:10000", "50:4161",
          "85:1452", "125:531"},
         {"A1", "B1", "C1", "D1"},
         "--esteso",
         "esteso"},
    };
    for (const Caso& caso : casi) {
        std::vector<std::string_view> argomenti{"adatta"};
        argomenti.insert(argomenti.end(), caso.adatta.begin(), caso.adatta.end());
        argomenti.insert(argomenti.end(), {"--salva", file});
        const std::string adattato = Esegui(argomenti);
        ASSERT_EQ(Chiave(adattato, "modello"), caso.tipo);

        // The fitted model, from the printed coefficients.
        std::vector<std::string> valori;
        for (const std::string& nome : caso.coefficienti) {
            valori.push_back(Chiave(adattato, nome));
        }
        std::vector<std::string_view> modello;
        if (caso.tipo == "beta") {
            modello = {"--r0", valori[0], "--beta", valori[1], "--t0", valori[2]};
        } else {
            modello.push_back(caso.opzione);
            modello.insert(modello.end(), valori.begin(), valori.end());
        }
        const std::string rif = caso.tipo == "esteso" ? Chiave(adattato, "Rrif") : "";
        if (!rif.empty()) {
            modello.insert(modello.end(), {"--rif", rif});
        }
        const auto con = [&](std::vector<std::string_view> prima,
                             std::vector<std::string_view> dopo) {
            prima.insert(prima.end(), modello.begin(), modello.end());
            prima.insert(prima.end(), dopo.begin(), dopo.end());
            return Esegui(prima);
        };
        const std::string r25 = Secondo(con({"resistenza"}, {"25"}));
        const std::string b2585 = con({"beta"}, {"--tra", "25", "85"});

        // The calculator reads the model's R25 and B25/85 as its own number text gives them.
        ParametriNTC calcolatrice;
        CaricaParametri(file, calcolatrice);
        EXPECT_EQ(calcolatrice.R0, LeggiNumero(NumeroInTesto(Numero(r25)))) << caso.tipo;
        EXPECT_EQ(calcolatrice.B,
                  LeggiNumero(NumeroInTesto(Numero(b2585.substr(0, b2585.size() - 1)))))
            << caso.tipo;

        // --file gives the fitted model's own values.
        for (const std::string_view t : {"25", "-40", "125"}) {
            EXPECT_EQ(Esegui({"resistenza", "--file", file, t}), con({"resistenza"}, {t}))
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
    EXPECT_EQ(Esegui({"resistenza", "--file", file, "25", "85"}),
              Esegui({"resistenza", "--r0", "4700.5", "--beta", "3977", "25", "85"}));
    EXPECT_EQ(Esegui({"beta", "--file", file, "--tra", "25", "85"}), "3977\n");
}

TEST(FileParametri, FileIlleggibiliOSenzaModello) {
    CartellaProva cartella;
    const std::string vuoto = (cartella / "vuoto.ntc").string();
    ScriviFile(vuoto, "[NTC]\r\nR0=0\r\nB=3950\r\n");
    EXPECT_EQ(Esegui({"resistenza", "--file", vuoto, "25"}, STATO_DATI), "");
    EXPECT_EQ(Esegui({"resistenza", "--file", (cartella / "manca.ntc").string(), "25"}, STATO_DATI),
              "");
    EXPECT_EQ(Esegui({"resistenza", "--file", vuoto, "--r0", "1", "25"}, STATO_USO), "");
    // A save that fails is a failed command: no coefficients, and no file.
    const std::string altrove = (cartella / "manca" / "sonda.ntc").string();
    EXPECT_EQ(Esegui({"adatta", "--modello", "beta", "--punti", "25:10000", "85:1452", "--salva",
                      altrove},
                     STATO_DATI),
              "");
    EXPECT_FALSE(std::filesystem::exists(altrove));
}
