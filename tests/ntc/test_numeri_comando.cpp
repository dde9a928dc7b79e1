// Numbers in and out of the command: a decimal comma refused, --cifre, --virgola, and no inf
// or nan printed.
#include "tests/ntc/comando_prova.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

TEST(NumeriComando, ADecimalCommaIsRefusedWithTheReason) {
    const Esecuzione esito = Esegui({"resistenza", "--r0", "10000", "--beta", "3950,5", "25"});
    EXPECT_EQ(esito.stato, STATO_USO);
    EXPECT_NE(esito.errori.find("--beta: '3950,5' non è un numero: il separatore decimale è il "
                                "punto (3950.5)"),
              std::string::npos)
        << esito.errori;
}

// The numbers of a CSV or key=value output, in order.
std::vector<double> NumeriDi(const std::string& testo) {
    std::vector<double> numeri;
    std::size_t i = 0;
    while (i < testo.size()) {
        const std::size_t inizio = testo.find_first_of("-0123456789", i);
        if (inizio == std::string::npos) {
            break;
        }
        // A digit inside a key ("residuo_max_K", "T0=") is no number.
        if (inizio > 0 && std::string_view("_ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")
                                  .find(testo[inizio - 1]) != std::string_view::npos) {
            i = inizio + 1;
            continue;
        }
        const std::size_t fine = testo.find_first_of(",;\n] }", inizio);
        numeri.push_back(Numero(std::string_view(testo).substr(inizio, fine - inizio)));
        i = fine;
    }
    return numeri;
}

std::size_t CifreSignificative(double valore) {
    std::array<char, 40> breve{};
    const auto fine = std::to_chars(breve.data(), breve.data() + breve.size(), valore).ptr;
    std::string_view t(breve.data(), static_cast<std::size_t>(fine - breve.data()));
    t = t.substr(0, t.find('e'));
    std::string cifre;
    std::copy_if(t.begin(), t.end(), std::back_inserter(cifre),
                 [](char c) { return c >= '0' && c <= '9'; });
    // Zeros before the first digit and after the last are no significant digits.
    const auto primo = cifre.find_first_not_of('0');
    return primo == std::string::npos ? 0 : cifre.find_last_not_of('0') - primo + 1;
}

// --cifre rounds every printed number to the nearest with that many significant digits;
// without it the numbers are the exact ones.
TEST(NumeriComando, CifreRoundsWhatIsPrintedForReading) {
    const std::vector<std::vector<std::string_view>> comandi{
        {"temperatura", "--r0", "10000", "--beta", "3950", "4700", "123456"},
        {"resistenza", "--sh", "1.1e-3", "2.4e-4", "7.5e-8", "--json", "-40", "0.125"},
        {"beta", "--sh", "1.1e-3", "2.4e-4", "7.5e-8", "--tra", "25", "85"},
        {"adatta", "--modello", "steinhart-hart", "--punti", "-40:195652", "25:10000", "85:1452",
         "100:974"},
        {"tolleranza", "--r0", "10000", "--beta", "3435", "--tol-r25", "1", "--tol-b", "1", "-40",
         "125"},
        {"partitore", "--r0", "10000", "--beta", "3950", "--partitore", "4700", "33.3"},
        {"autoriscaldamento", "--r0", "10000", "--beta", "3950", "--partitore", "4700",
         "--dissipazione", "1.5", "33.3"},
    };
    for (const auto& comando : comandi) {
        const std::vector<double> esatti = NumeriDi(Uscita(comando));
        for (const int cifre : {1, 3, 6}) {
            auto arrotondato = comando;
            const std::string testo = std::to_string(cifre);
            arrotondato.insert(arrotondato.begin() + 1, {"--cifre", testo});
            const std::vector<double> letti = NumeriDi(Uscita(arrotondato));
            ASSERT_EQ(letti.size(), esatti.size()) << comando.front();
            for (std::size_t i = 0; i < letti.size(); ++i) {
                EXPECT_LE(CifreSignificative(letti[i]), static_cast<std::size_t>(cifre))
                    << comando.front() << ' ' << letti[i];
                // Within half a unit of the last digit kept.
                const double unita =
                    std::pow(10, std::floor(std::log10(std::fabs(esatti[i]))) - cifre + 1);
                EXPECT_LE(std::fabs(letti[i] - esatti[i]), unita / 2 * (1 + 1e-12))
                    << comando.front() << ' ' << esatti[i] << " -> " << letti[i];
            }
        }
    }
    for (const std::string_view cifre : {"0", "18", "2.5", "x"}) {
        EXPECT_EQ(Uscita({"resistenza", "--r0", "10000", "--beta", "3950", "--cifre", cifre, "25"},
                         STATO_USO),
                  "")
            << cifre;
    }
}

// --virgola gives every CSV the subcommands write with ";" between fields and a decimal
// comma: the same numbers, nothing else changed.
TEST(NumeriComando, VirgolaWhereverCsvIsWritten) {
    const std::vector<std::vector<std::string_view>> comandi{
        {"temperatura", "--r0", "10000", "--beta", "3950", "4700.5", "12000"},
        {"resistenza", "--r0", "10000", "--beta", "3950", "-40.5", "25"},
        {"tolleranza", "--r0", "10000", "--beta", "3435", "--tol-r25", "1", "-40", "125.5"},
        {"partitore", "--r0", "10000", "--beta", "3950", "--partitore", "4700", "33.3"},
        {"autoriscaldamento", "--r0", "10000", "--beta", "3950", "--partitore", "4700",
         "--dissipazione", "1.5", "33.3"},
        {"tabella", "--r0", "10000", "--beta", "3950", "--da", "0", "--a", "1", "--passo", "0.5"},
    };
    for (const auto& comando : comandi) {
        std::string attesa = Uscita(comando);
        std::replace(attesa.begin(), attesa.end(), ',', ';');
        std::replace(attesa.begin(), attesa.end(), '.', ',');
        auto conVirgola = comando;
        conVirgola.insert(conVirgola.begin() + 1, "--virgola");
        EXPECT_EQ(Uscita(conVirgola), attesa) << comando.front();
        conVirgola.insert(conVirgola.begin() + 1, "--json");
        EXPECT_EQ(Uscita(conVirgola, STATO_USO), "") << comando.front();
    }
}

// A result that is not a finite number is bad data, named, and nothing is printed.
TEST(NumeriComando, NoInfOrNanIsPrinted) {
    struct Caso {
        std::vector<std::string_view> argomenti;
        std::string_view messaggio;
    };
    const std::vector<Caso> casi{
        // The fitted Beta has no temperature at the third point's 0.001 Ω.
        {{"adatta", "--json", "--modello", "beta", "--punti", "300:1e5", "1e5:1", "10000:0.001"},
         "nessun valore finito per residui_K al punto 3"},
        {{"adatta", "--modello", "beta", "--punti", "300:1e5", "1e5:1", "10000:0.001"},
         "nessun valore finito per residui_K al punto 3"},
        {{"autoriscaldamento", "--r0", "10000", "--beta", "3950", "--partitore", "10000",
          "--dissipazione", "1e-320", "--json", "25"},
         "nessun valore finito per dT_K a T = 25"},
        {{"autoriscaldamento", "--r0", "10000", "--beta", "3950", "--partitore", "10000",
          "--dissipazione", "1e-320", "25"},
         "nessun valore finito per dT_K a T = 25"},
    };
    for (const Caso& caso : casi) {
        const Esecuzione esito = Esegui(caso.argomenti);
        EXPECT_EQ(esito.stato, STATO_DATI) << esito.uscita;
        EXPECT_EQ(esito.uscita, "");
        EXPECT_NE(esito.errori.find(caso.messaggio), std::string::npos) << esito.errori;
    }
}

} // namespace
