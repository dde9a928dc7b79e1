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
        // Quoted fields, a separator and a doubled quote inside them.
        {"\"T, °C\",\"R \"\"nominale\"\"\"\n\"-40\" , \"195652\"\n\"25\";\"1,5\"\n",
         {{-40, 195652}, {25, 1.5}},
         {}},
        {"\"25,10000\n25,\"10000\" x\n\"25\"\"\",1\n25,\"1,5\"\n", {}, {1, 2, 3, 4}},
        // Units in the header, scaled from the decimal: 32.6 kΩ is exactly 32600 Ω.
        {"T;R_kΩ\n0;32,6\n25;10\n", {{0, 32600}, {25, 10000}}, {}},
        {"T,R (MΩ)\n-40,0.1956\n", {{-40, 195600}}, {}},
        {"T,R[kOhms]\n85,1.452e0\n", {{85, 1452}}, {}},
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

// Bad rows: the first ten kept, all counted. A line too long is a bad row, held no further;
// a text over the size a table may have is refused whole.
TEST(LeggiTabellaCSV, LimitiDiRigheErrateLunghezzaEDimensione) {
    std::string testo = "T,R\n";
    for (int i = 0; i < 25; ++i) {
        testo += i % 2 == 0 ? "x,1\n" : "25,10000\n";
    }
    testo += std::string(MASSIMA_LUNGHEZZA_RIGA + 1, '1') + ",5\n30,9000";
    const TabellaLetta letta = LeggiTabellaCSV(testo);
    EXPECT_EQ(letta.righe.size(), 13U);
    EXPECT_EQ(letta.righeErrate, 14U);
    ASSERT_EQ(letta.errori.size(), ERRORI_RIGA_TENUTI);
    EXPECT_EQ(letta.errori.front().riga, 2U);
    EXPECT_EQ(letta.errori.back().riga, 20U);
    EXPECT_EQ(TestoAltreRighe(letta), "e altre 4 righe");
    EXPECT_EQ(letta.righe.back().temperatura, 30);
    EXPECT_EQ(TestoAltreRighe(LeggiTabellaCSV("x,1\n25,1\n")), "");

    const TabellaLetta lunga = LeggiTabellaCSV("25,10000\n" + std::string(1 << 20, '#') + "\n");
    ASSERT_EQ(lunga.errori.size(), 1U);
    EXPECT_EQ(lunga.errori.front().riga, 2U);
    EXPECT_EQ(lunga.errori.front().motivo, "riga più lunga di 4096 caratteri");

    std::string grande;
    while (grande.size() <= MASSIMO_BYTE_TABELLA) {
        grande += "25,10000\n";
    }
    const TabellaLetta rifiutata = LeggiTabellaCSV(grande);
    EXPECT_EQ(rifiutata.erroreFile, "più di 8 MiB: una tabella ne ha al più 8 MiB");
    EXPECT_TRUE(rifiutata.righe.empty() && rifiutata.errori.empty());
}

} // namespace
