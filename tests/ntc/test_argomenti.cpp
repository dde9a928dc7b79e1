#include "ntc/argomenti.h"
#include "ntc/parola_vicina.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::array OPZIONI{Opzione{"json", 0}, Opzione{"r0", 1}, Opzione{"sh", 3},
                             Opzione{"punti", MOLTI}, Opzione{"tra", 2}};

Argomenti Dividi(std::vector<std::string_view> parole) {
    return DividiArgomenti("prova", parole, OPZIONI);
}

TEST(DividiArgomenti, NegativeNumbersAreValuesNeverOptions) {
    const Argomenti a = Dividi({"-9", "--r0", "-1e3", "--punti", "-40:336000", "-.5:1", "-7"});
    EXPECT_EQ(a.Valori("r0"), std::vector<std::string>{"-1e3"});
    // A many-valued option takes the negative values after it too.
    EXPECT_EQ(a.Valori("punti"), (std::vector<std::string>{"-40:336000", "-.5:1", "-7"}));
    EXPECT_EQ(a.valori, std::vector<std::string>{"-9"});
}

TEST(DividiArgomenti, EqualsFormDoubleDashAndTheLastOccurrence) {
    const Argomenti a =
        Dividi({"--r0", "1", "--r0=10000", "--sh=1", "2", "3", "--", "--json", "5"});
    EXPECT_EQ(a.Valori("r0"), std::vector<std::string>{"10000"});
    EXPECT_EQ(a.Valori("sh"), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_FALSE(a.Ha("json"));
    EXPECT_EQ(a.valori, (std::vector<std::string>{"--json", "5"}));
}

TEST(DividiArgomenti, BadUsageIsRefused) {
    const std::vector<std::vector<std::string_view>> casi{
        {"--nessuna"},      {"-j"},
        {"--json=1"},       {"--r0"},
        {"--sh", "1", "2"}, {"--sh", "1", "--json", "2"},
        {"--punti"},        {"--punti", "--json"},
        {"--tra", "25"},    {"--r0=", "--sh=1"},
    };
    for (const auto& parole : casi) {
        EXPECT_THROW(Dividi(parole), ErroreUso) << parole.front();
    }
}

TEST(LeggiValore, WholeTextAsAFiniteNumber) {
    EXPECT_EQ(LeggiValore("-40", "T"), -40);
    EXPECT_EQ(LeggiValore("+2.5e3", "T"), 2500);
    EXPECT_EQ(LeggiValore("0.1", "T"), 0.1);
    for (const std::string_view testo :
         {"", "+", "+-1", "12x", "1,5", " 1", "nan", "inf", "-inf", "1e400", "0x10"}) {
        EXPECT_THROW(LeggiValore(testo, "T"), ErroreUso) << testo;
    }
}

// Each form is the decimal it stands for, rounded once: 4k7 is the double 4700, not 4.7 · 1000.
TEST(LeggiOhm, TheEngineersForms) {
    const std::vector<std::pair<std::string_view, double>> casi{
        {"4700", 4700},  {"4.7e3", 4700}, {"10k", 10000}, {"10K", 10000}, {"4k7", 4700},
        {"2.2k", 2200},  {"4.7k", 4700},  {"470R", 470},  {"4R7", 4.7},   {"0R1", 0.1},
        {"1M", 1e6},     {"1M5", 1.5e6},  {"0k1", 100},   {"+2k2", 2200}, {"-1k", -1000},
        {"2.2M", 2.2e6}, {"1.1k", 1100},
    };
    for (const auto& [testo, valore] : casi) {
        EXPECT_EQ(LeggiOhm(testo, "R"), valore) << testo;
    }
    for (const std::string_view testo : {"", "k", "k7", "R", "4k7k", "4.7k5", "4kk", "10m", "1e3k",
                                         "10 k", "1,5k", "10kΩ", "nan", "1e400"}) {
        EXPECT_THROW(LeggiOhm(testo, "R"), ErroreUso) << testo;
    }
}

TEST(ParolaVicina, NearEnoughForItsLengthOrTheOnlyOneItBegins) {
    constexpr std::array<std::string_view, 8> NOTE{
        "temperatura", "resistenza", "adatta", "beta", "tabella", "tolleranza", "tol-b", "tol-r25"};
    const std::vector<std::pair<std::string_view, std::string_view>> casi{
        {"temperatur", "temperatura"}, {"Tabella", "tabella"},
        {"tabela", "tabella"},         {"btea", "beta"},
        {"resistance", "resistenza"},  {"temp", "temperatura"},
        {"tol-r2", "tol-r25"},         {"ada", "adatta"},
    };
    for (const auto& [parola, attesa] : casi) {
        EXPECT_EQ(ParolaVicina(parola, NOTE).value_or("(nessuna)"), attesa) << parola;
    }
    // Too far, too short to mean one word, or the beginning of two.
    for (const std::string_view parola : {"xyzzy", "ta", "a", "tol", "resistor-bank"}) {
        EXPECT_FALSE(ParolaVicina(parola, NOTE)) << parola;
    }
}

} // namespace
