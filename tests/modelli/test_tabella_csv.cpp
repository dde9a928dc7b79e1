#include "modelli/tabella_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct Caso {
    std::string testo;
    std::vector<PuntoRT> righe;
    std::vector<std::size_t> righeErrate;
};

TEST(LeggiTabellaCSV, RegoleEFileMancante) {
    const std::vector<Caso> casi{
        {"T_C,R_ohm\n-40,195652\n25,10000\n", {{-40, 195652}, {25, 10000}}, {}},
        {"# fonte\n\n# altro\nT;R\r\n-40;195652,5\r\n25 ; 10000\r\n",
         {{-40, 195652.5}, {25, 10000}},
         {}},
        {"\xEF\xBB\xBFT\tR\n0,5\t32554,8\n", {{0.5, 32554.8}}, {}},
        {"-40,195652\n25,1e4", {{-40, 195652}, {25, 10000}}, {}},
        {"+5,2.5e4\n", {{5, 25000}}, {}},
        // Only the first line may be a header; a comma with "," as separator is not a decimal.
        {"T,R\nT,R\n0,5,32554\n25;1.5\n25;1,5\n", {{25, 1.5}}, {2, 3, 4}},
        {"25,\n,10000\n25\n25;10;\n25\t10;1\n", {}, {1, 2, 3, 4, 5}},
        {"-300,5\n25,0\n25,-1\n25,nan\n25,inf\n0x10,5\n25,1e999\n", {}, {1, 2, 3, 4, 5, 6, 7}},
        {"25,10000\n# x\n26,abc\n", {{25, 10000}}, {3}},
    };
    for (const Caso& caso : casi) {
        const TabellaLetta letta = LeggiTabellaCSV(caso.testo);
        ASSERT_EQ(letta.righe.size(), caso.righe.size()) << caso.testo;
        for (std::size_t i = 0; i < caso.righe.size(); ++i) {
            EXPECT_EQ(letta.righe[i].temperatura, caso.righe[i].temperatura) << caso.testo;
            EXPECT_EQ(letta.righe[i].resistenza, caso.righe[i].resistenza) << caso.testo;
        }
        std::vector<std::size_t> errate;
        for (const ErroreRiga& errore : letta.errori) {
            errate.push_back(errore.riga);
            EXPECT_FALSE(errore.motivo.empty());
        }
        EXPECT_EQ(errate, caso.righeErrate) << caso.testo;
        EXPECT_TRUE(letta.erroreFile.empty());
    }
    const TabellaLetta letta = LeggiFileTabellaCSV(TABELLE "/non_esiste.csv");
    EXPECT_FALSE(letta.erroreFile.empty());
    EXPECT_TRUE(letta.righe.empty());
}

} // namespace
