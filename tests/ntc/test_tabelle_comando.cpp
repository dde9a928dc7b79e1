// Maker tables given to the command (--tabella): the header's units, and what is not a table.
// Rows and quotes are the table reader's own tests.
#include "tests/ntc/comando_prova.h"
#include "tests/profilo/cartella_prova.h"

#include <filesystem>

namespace {

TEST(TabelleComando, HeaderUnitsAreReadOrTheTableIsRefused) {
    CartellaProva cartella;
    const std::string file = (cartella / "tabella.csv").string();
    struct Caso {
        std::string testo;
        std::string_view messaggio; // empty: read, 25 °C at 10000 Ω
    };
    const std::vector<Caso> casi{
        {"T_C,R_kohm\n0,32.6\n25,10\n50,3.6\n", ""},
        {"T [°C];R [kΩ]\n0;32,6\n25;10\n50;3,6\n", ""},
        {"\"T (°C)\",\"R (MOhm)\"\n\"0\",\"0.0326\"\n\"25\",\"0.01\"\n\"50\",\"0.0036\"\n", ""},
        {"Temp/°C\tR/kOhm\n0\t32,6\n25\t10\n50\t3,6\n", ""},
        {"T_C,R_ohm\n0,32600\n25,10000\n50,3600\n", ""},
        {"T,R\n0,32600\n25,10000\n50,3600\n", ""},
        {"T_C,R_mohm\n0,32.6\n25,10\n", "unità della resistenza 'R_mohm' non letta"},
        {"T_C,R (K)\n0,32.6\n25,10\n", "unità della resistenza 'R (K)' non letta"},
        {"T_C,R/R25\n0,3.26\n25,1\n", "la colonna 'R/R25' non è una resistenza in ohm"},
        {"T_K,R_ohm\n273.15,32600\n298.15,10000\n", "temperatura in 'K': si legge solo in °C"},
        {"T (°F),R_ohm\n32,32600\n77,10000\n", "temperatura in '°F'"},
        {"R_ohm,T_C\n32600,0\n10000,25\n3600,50\n", "la prima colonna è la temperatura in °C"},
    };
    for (const Caso& caso : casi) {
        ScriviFile(file, caso.testo);
        const Esecuzione esito = Esegui({"temperatura", "--tabella", file, "10000"});
        if (caso.messaggio.empty()) {
            EXPECT_EQ(esito.uscita, "10000,25\n") << caso.testo << esito.errori;
        } else {
            EXPECT_EQ(esito.stato, STATO_DATI) << caso.testo;
            EXPECT_NE(
                esito.errori.find(file + ": riga 1: intestazione: " + std::string(caso.messaggio)),
                std::string::npos)
                << esito.errori;
        }
    }
}

TEST(TabelleComando, WhatIsNoTableSaysWhatItIs) {
    CartellaProva cartella;
    const std::string grande = (cartella / "grande.csv").string();
    ScriviFile(grande, "T_C,R_ohm\n");
    std::filesystem::resize_file(grande, (std::uintmax_t{8} << 20) + 1);
    const std::vector<std::pair<std::string, std::string>> casi{
        {cartella.Percorso().string(), "è una cartella, non una tabella"},
        {"/dev/null", "è un dispositivo, non una tabella"},
        {(cartella / "manca.csv").string(), "il file non esiste"},
        {grande, "ha 8388609 byte: una tabella ne ha al più 8 MiB"},
    };
    for (const auto& [percorso, messaggio] : casi) {
        const Esecuzione esito = Esegui({"temperatura", "--tabella", percorso, "10000"});
        EXPECT_EQ(esito.stato, STATO_DATI);
        std::string atteso = "brevanto-ntc: " + percorso;
        atteso += ": " + messaggio + '\n';
        EXPECT_EQ(esito.errori, atteso);
    }
}

} // namespace
