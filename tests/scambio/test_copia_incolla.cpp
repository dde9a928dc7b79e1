#include "scambio/copia_incolla.h"

#include <gtest/gtest.h>

namespace {

const Regione VIRGOLA{",", "."};
const Regione PUNTO{".", ","};

// Texts written as under ","; the "." region reads each with "," and "." swapped.
std::string Scambiato(std::string testo) {
    for (char& c : testo) {
        c = c == ',' ? '.' : (c == '.' ? ',' : c);
    }
    return testo;
}

TEST(Incolla, IlNumeroDegliAppuntiSecondoLaRegione) {
    const std::pair<std::string, std::string> numeri[] = {
        {"25", "25"},
        {"12,5", "12.5"},
        {"-0,25", "-0.25"},
        {"1.234,5", "1234.5"},
        {"12.5", "125"},
        {"1E3", "1000"},
        {"0,000000000001", "0"},
        {" 25 ", "25"},
        // A spreadsheet cell or a terminal line: what surrounds the number goes.
        {"25\n", "25"},
        {"\t25\r\n", "25"},
        {"\u00A025\u00A0", "25"},
        {" \u00A0\t-12,5\r\n\r\n", "-12.5"},
    };
    for (const auto& [appunti, registro] : numeri) {
        EXPECT_EQ(TestoDaIncollare(appunti, VIRGOLA), registro) << appunti;
        EXPECT_EQ(TestoDaIncollare(Scambiato(appunti), PUNTO), registro) << appunti;
    }
    for (const char* appunti : {"abc", "", "-", "1E999", "\r\n25 [°C] = 10000,0 [Ohm]", "2\n5",
                                "1\u00A0234", "\u00A0", " \r\n",
                                // A lone byte A0 is no no-break space ("\x32\x35" is "25").
                                "\xA0\x32\x35", "25\xC2"}) {
        EXPECT_EQ(TestoDaIncollare(appunti, VIRGOLA), std::nullopt) << appunti;
        EXPECT_EQ(TestoDaIncollare(Scambiato(appunti), PUNTO), std::nullopt) << appunti;
    }
}

} // namespace
