// What a newcomer meets: the ways to ask for help, the worked examples, and the messages
// for a mistyped subcommand or option.
#include "ntc/sottocomandi.h"
#include "tests/ntc/comando_prova.h"

namespace {

std::vector<std::string_view> NomiSottocomandi() {
    std::vector<std::string_view> nomi;
    for (const Sottocomando& s : Sottocomandi()) {
        nomi.push_back(s.nome);
    }
    return nomi;
}

TEST(Aiuto, EveryWayOfAskingGivesTheSameText) {
    const std::string programma = Uscita({"--help"});
    EXPECT_TRUE(programma.starts_with("Uso: brevanto-ntc SOTTOCOMANDO")) << programma;
    EXPECT_EQ(Uscita({"-h"}), programma);
    EXPECT_EQ(Uscita({"help"}), programma);
    for (const std::string_view nome : NomiSottocomandi()) {
        const std::string proprio = Uscita({nome, "--help"});
        EXPECT_NE(proprio, programma) << nome;
        EXPECT_EQ(Uscita({nome, "-h"}), proprio) << nome;
        EXPECT_EQ(Uscita({"help", nome}), proprio) << nome;
        // Asked for among the options, whatever else is wrong with the line.
        EXPECT_EQ(Uscita({nome, "--boh", "-h"}), proprio) << nome;
    }
    // An option as wide as its column has its explanation on the next line, in the column.
    EXPECT_NE(
        programma.find("  --esteso A1 B1 C1 D1 --rif OHM\n" + std::string(32, ' ') + "Esteso"),
        std::string::npos);
    EXPECT_EQ(Uscita({"help", "tabela"}, STATO_USO), "");
    EXPECT_EQ(Uscita({"help", "tabella", "beta"}, STATO_USO), "");
}

// The example the help ends with: the command after "$ " (a line ending in "\" goes on in
// the next) and what follows it up to the end, each line indented by two blanks.
struct Esempio {
    std::vector<std::string> parole;
    std::string uscita;
};

Esempio EsempioFinale(const std::string& aiuto) {
    const std::vector<std::string> righe = Righe(aiuto);
    Esempio esempio;
    std::size_t i = 0;
    while (i < righe.size() && !righe[i].starts_with("Esempio")) {
        ++i;
    }
    if (i + 1 >= righe.size() || !righe[i + 1].starts_with("  $ brevanto-ntc ")) {
        ADD_FAILURE() << "no example at the end of\n" << aiuto;
        return esempio;
    }
    std::string comando;
    for (++i; i < righe.size(); ++i) {
        std::string riga = righe[i].substr(righe[i].find_first_not_of(' '));
        const bool continua = riga.ends_with('\\');
        comando += continua ? riga.substr(0, riga.size() - 1) : riga;
        if (!continua) {
            break;
        }
    }
    std::istringstream flusso(comando.substr(std::string_view("$ brevanto-ntc ").size()));
    for (std::string parola; flusso >> parola;) {
        esempio.parole.push_back(parola);
    }
    for (++i; i < righe.size(); ++i) {
        EXPECT_TRUE(righe[i].starts_with("  ")) << righe[i];
        esempio.uscita += righe[i].substr(2) + '\n';
    }
    return esempio;
}

// A long example is cut short in the help: a line ending in "..." is the start of the line
// printed, and a line "..." alone stands for the rest.
void ConfrontaEsempio(const std::string& stampato, const std::string& mostrato,
                      std::string_view nome) {
    const std::vector<std::string> attese = Righe(mostrato);
    const std::vector<std::string> avute = Righe(stampato);
    std::size_t i = 0;
    for (; i < attese.size() && attese[i] != "..."; ++i) {
        ASSERT_LT(i, avute.size()) << "the example of '" << nome << "'";
        const std::string& attesa = attese[i];
        if (attesa.ends_with("...")) {
            EXPECT_TRUE(avute[i].starts_with(attesa.substr(0, attesa.size() - 3)))
                << "the example of '" << nome << "': " << avute[i];
        } else {
            EXPECT_EQ(avute[i], attesa) << "the example of '" << nome << "'";
        }
    }
    if (i == attese.size()) {
        EXPECT_EQ(avute.size(), attese.size()) << "the example of '" << nome << "'";
    }
}

// Each help's example prints what the help says it prints.
TEST(Aiuto, EachHelpEndsWithAWorkedExampleThatHolds) {
    std::vector<std::string_view> chi{""};
    const auto nomi = NomiSottocomandi();
    chi.insert(chi.end(), nomi.begin(), nomi.end());
    for (const std::string_view nome : chi) {
        const std::string aiuto = nome.empty() ? Uscita({"--help"}) : Uscita({nome, "--help"});
        const Esempio esempio = EsempioFinale(aiuto);
        ASSERT_FALSE(esempio.parole.empty()) << nome;
        if (!nome.empty()) {
            EXPECT_EQ(esempio.parole.front(), nome);
        }
        const std::vector<std::string_view> argomenti(esempio.parole.begin(), esempio.parole.end());
        ConfrontaEsempio(Uscita(argomenti), esempio.uscita, nome);
    }
}

// Which word is near enough is the word finder's; here, that each kind of word asks it.
TEST(Aiuto, AMistypedWordIsAnsweredWithTheNearestOne) {
    struct Caso {
        std::vector<std::string_view> argomenti;
        std::string_view atteso; // in the message
    };
    const std::vector<Caso> casi{
        {{"temperatur", "5000"}, "sottocomando sconosciuto 'temperatur' (forse temperatura?)"},
        {{"resistenza", "--r0", "10000", "--bata", "3950", "25"},
         "opzione sconosciuta '--bata' per 'resistenza' (forse --beta?)"},
        {{"resistenza", "-r0", "10000"}, "(forse --r0?)"},
    };
    for (const Caso& caso : casi) {
        const Esecuzione esito = Esegui(caso.argomenti);
        EXPECT_EQ(esito.stato, STATO_USO);
        EXPECT_NE(esito.errori.find(caso.atteso), std::string::npos) << esito.errori;
    }
    // Nothing near: no guess, but an unknown subcommand still lists them all.
    const Esecuzione lontano = Esegui({"xyzzy"});
    EXPECT_EQ(lontano.errori.find("forse"), std::string::npos) << lontano.errori;
    std::string elenco = "sottocomandi:";
    for (const std::string_view nome : NomiSottocomandi()) {
        elenco += ' ' + std::string(nome);
    }
    EXPECT_NE(lontano.errori.find("brevanto-ntc: " + elenco + '\n'), std::string::npos)
        << lontano.errori;
    EXPECT_EQ(Esegui({"resistenza", "--qwertyuiop"}).errori.find("forse"), std::string::npos);
}

} // namespace
