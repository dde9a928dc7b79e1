#include "ntc/argomenti.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

namespace {

constexpr std::array OPZIONI{Opzione{"json", 0}, Opzione{"r0", 1}, Opzione{"sh", 3},
                             Opzione{"punti", MOLTI}, Opzione{"tra", 2}};

Argomenti Dividi(std::vector<std::string_view> parole) {
    return DividiArgomenti("prova", parole, OPZIONI);
}

TEST(DividiArgomenti, NegativeNumbersAreValuesNeverOptions) {
    const Argomenti a = Dividi({"-40", "--r0", "-1e3", "--punti", "-40:336000", "-.5:1", "-7"});
    EXPECT_EQ(a.Valori("r0"), std::vector<std::string>{"-1e3"});
    // A many-valued option takes the negative values after it too.
    EXPECT_EQ(a.Valori("punti"), (std::vector<std::string>{"-40:336000", "-.5:1", "-7"}));
    EXPECT_EQ(a.valori, std::vector<std::string>{"-40"});
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

} // namespace
