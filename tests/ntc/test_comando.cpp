#include "modelli/adatta_steinhart_hart.h"
#include "modelli/modello_beta.h"
#include "modelli/registro_modelli.h"
#include "tests/ntc/comando_prova.h"

#include "modelli/testo_breve.h"

#include <clocale>
#include <cmath>

namespace {

const std::string MURATA = std::string(TABELLE) + "/murata_ncp15xh103.csv";
const ModelloBeta BETA({10000, 3950, 25});

TEST(Comando, ExitStatusAndNothingOnStandardOutputOnFailure) {
    struct Caso {
        std::vector<std::string_view> argomenti;
        int stato;
    };
    const std::vector<Caso> casi{
        {{}, STATO_USO},
        {{"boh"}, STATO_USO},
        {{"resistenza", "25"}, STATO_USO}, // no model
        {{"resistenza", "--r0", "1", "--beta", "2", "--sh", "1", "2", "3", "25"}, STATO_USO},
        {{"resistenza", "--r0", "10000", "--beta", "3950"}, STATO_USO}, // no values
        {{"resistenza", "--r0", "10000", "--beta", "3950", "25", "x"}, STATO_USO},
        {{"resistenza", "--r0", "-1", "--beta", "3950", "25"}, STATO_DATI},
        // B ≤ 0 would be a rising curve, or none: refused like R0 ≤ 0.
        {{"resistenza", "--r0", "10000", "--beta", "-3950", "25"}, STATO_DATI},
        {{"resistenza", "--r0", "10000", "--beta", "0", "25"}, STATO_DATI},
        {{"temperatura", "--tabella", MURATA, "25", "1e9"}, STATO_DATI}, // outside the table
        {{"temperatura", "--tabella", "/nessuna/tabella.csv", "1"}, STATO_DATI},
        {{"adatta", "--modello", "beta", "--punti", "25:10000", "25:10000"}, STATO_DATI},
        {{"adatta", "--modello", "boh", "--punti", "25:10000", "50:4000"}, STATO_USO},
        {{"adatta", "--modello", "beta", "--punti", "25:10000", "50:4000", "--pesi", "1"},
         STATO_USO},
        {{"tabella", "--r0", "1", "--beta", "2", "--da", "0", "--a", "1", "--passo", "-1"},
         STATO_USO},
        {{"tabella", "--r0", "1", "--beta", "2", "--da", "0", "--a", "1e9", "--passo", "1e-3"},
         STATO_USO},
        {{"tabella", "--r0", "1", "--beta", "2", "--da", "0", "--a", "9", "--passo", "1",
          "--formato", "marlin"},
         STATO_USO}, // no divider
        {{"tabella", "--r0", "1", "--beta", "2", "--da", "0", "--a", "9", "--passo", "1",
          "--formato", "c", "--virgola"},
         STATO_USO},
        {{"partitore", "--r0", "1", "--beta", "2", "25"}, STATO_USO}, // no --partitore
        {{"tabella", "--help", "--boh"}, STATO_FATTO},
    };
    for (const Caso& caso : casi) {
        const Esecuzione esito = Esegui(caso.argomenti);
        EXPECT_EQ(esito.stato, caso.stato) << esito.errori;
        if (caso.stato != STATO_FATTO) {
            EXPECT_TRUE(esito.uscita.empty()) << esito.uscita;
            EXPECT_TRUE(esito.errori.starts_with("brevanto-ntc: ")) << esito.errori;
        }
    }
    // Bad usage ends with where to read more: the program's help, or the subcommand's.
    EXPECT_TRUE(Esegui({"boh"}).errori.ends_with("prova 'brevanto-ntc --help'.\n"));
    EXPECT_TRUE(Esegui({"partitore", "--r0", "1", "--beta", "2", "25"})
                    .errori.ends_with("prova 'brevanto-ntc partitore --help'.\n"));
}

// The CSV form is the next test's, for every kind of model.
TEST(Comando, ConversionsPrintTheModelsDoubles) {
    const std::string t = Uscita({"temperatura", "--r0=10000", "--beta=3950", "--json", "5000"});
    const size_t inizio = t.find("\"T\": ") + 5;
    EXPECT_TRUE(t.starts_with("[\n  {\"R\": 5000, \"T\": ")) << t;
    EXPECT_TRUE(t.ends_with("}\n]\n")) << t;
    EXPECT_EQ(Numero(t.substr(inizio, t.find('}') - inizio)), *BETA.Temperatura(5000));
}

// Every kind of model is named by the options its registry entry lists, each value going to
// its coefficient; two kinds at once are refused by naming both.
TEST(Comando, EveryKindOfModelFromItsOptions) {
    const std::vector<ParametriModello> modelli{
        ParametriBeta{4700, 3977, 30}, ParametriSteinhartHart{1.1e-3, 2.4e-4, 8.8e-8},
        ParametriEsteso{3.354016e-3, 2.569850e-4, 2.620131e-6, 6.383091e-8, 4700},
        ParametriEstesoDiretto{-14.6337, 4791.842, -115334, -3.730535e6, 10000}};
    ASSERT_EQ(modelli.size(), NUMERO_TIPI);
    for (const ParametriModello& parametri : modelli) {
        const TipoModello& tipo = TipoDi(parametri);
        const std::vector<double> valori = ValoriCoefficienti(parametri);
        std::vector<std::string> parole{"resistenza"};
        for (const OpzioneModello& opzione : tipo.opzioni) {
            parole.push_back("--" + std::string(opzione.nome));
            for (std::size_t i = 0; i < opzione.quanti; ++i) {
                parole.push_back(TestoBreve(valori[opzione.primo + i]));
            }
        }
        parole.emplace_back("60");
        const std::vector<std::string_view> argomenti(parole.begin(), parole.end());
        const auto riga = Righe(Uscita(argomenti));
        ASSERT_EQ(riga.size(), 1U) << tipo.nome;
        EXPECT_EQ(Numero(riga[0].substr(riga[0].find(',') + 1)),
                  *CreaModello(parametri)->Resistenza(60))
            << tipo.nome;
    }
    const Esecuzione due = Esegui({"resistenza", "--sh", "1", "2", "3", "--r0", "1", "25"});
    EXPECT_EQ(due.stato, STATO_USO);
    EXPECT_NE(due.errori.find("--r0 e --sh"), std::string::npos) << due.errori;
}

TEST(Comando, FittedCoefficientsReadBackToTheSameDoubles) {
    const Esecuzione esito = Esegui(
        {"adatta", "--modello", "steinhart-hart", "--punti", "-40:195652", "25:10000", "85:1452"});
    ASSERT_EQ(esito.stato, STATO_FATTO) << esito.errori;
    const auto p = AdattaSteinhartHart3({-40, 195652}, {25, 10000}, {85, 1452}).Valore().parametri;
    for (const auto& [chiave, valore] : {std::pair{"A", p.A}, {"B", p.B}, {"C", p.C}}) {
        EXPECT_EQ(Numero(Valore(esito.uscita, chiave)), valore) << chiave;
    }
    EXPECT_TRUE(esito.errori.empty());
}

TEST(Comando, ALongTableGoesOutInPiecesAndAFailedOneNotAtAll) {
    std::vector<std::string_view> argomenti{"tabella", "--tabella", MURATA,    "--da", "-40",
                                            "--a",     "125",       "--passo", "0.01"};
    std::string scaricato;
    const auto aPezzi = [&scaricato](const std::vector<std::string_view>& comando) {
        scaricato.clear();
        Esecuzione esito;
        esito.stato = EseguiComando(comando, esito.uscita, esito.errori, [&](std::string& testo) {
            EXPECT_FALSE(testo.empty());
            scaricato += testo;
            testo.clear();
        });
        return esito;
    };
    for (const std::string_view formato : {"csv", "json", "c"}) {
        auto conFormato = argomenti;
        conFormato.insert(conFormato.end(), {"--formato", formato});
        const std::string intero = Uscita(conFormato);
        const Esecuzione esito = aPezzi(conFormato);
        EXPECT_EQ(esito.stato, STATO_FATTO) << esito.errori;
        EXPECT_GT(scaricato.size(), intero.size() / 2);
        EXPECT_EQ(scaricato + esito.uscita, intero);
    }
    // The table ends at 125 °C: the last row fails after thousands were written.
    argomenti[6] = "125.01";
    const Esecuzione fallito = aPezzi(argomenti);
    EXPECT_EQ(fallito.stato, STATO_DATI);
    EXPECT_TRUE(scaricato.empty() && fallito.uscita.empty());
    EXPECT_EQ(fallito.errori,
              "brevanto-ntc: nessuna resistenza a T = 125.01 °C con questo modello: la tabella va "
              "da -40 °C (195652 Ω) a 125 °C (531 Ω)\n");
}

// A window program switches the C library to the user's region: the texts must not change.
TEST(Comando, SameBytesUnderADecimalCommaLocale) {
    const std::vector<std::vector<std::string_view>> comandi{
        {"tabella", "--r0", "10000", "--beta", "3950.5", "--da", "-40", "--a", "125", "--passo",
         "2.5", "--formato", "json", "--partitore", "4700"},
        {"adatta", "--modello", "esteso", "--tabella", MURATA, "--json"},
        {"tolleranza", "--tabella", MURATA, "--tol-r25", "0.5", "--tol-b", "1", "-10.5", "80"},
        {"beta", "--sh", "1.1e-3", "2.4e-4", "7.5e-8", "--tra", "25", "85"},
    };
    std::vector<Esecuzione> inC;
    inC.reserve(comandi.size());
    for (const auto& comando : comandi) {
        inC.push_back(Esegui(comando));
    }
    const std::string precedente = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "it_IT.UTF-8 is not installed";
    for (size_t i = 0; i < comandi.size(); ++i) {
        const Esecuzione esito = Esegui(comandi[i]);
        EXPECT_EQ(esito.stato, STATO_FATTO) << esito.errori;
        EXPECT_EQ(esito.uscita, inC[i].uscita);
    }
    std::setlocale(LC_ALL, precedente.c_str());
}

} // namespace
