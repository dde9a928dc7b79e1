#include "cartella_prova.h"
#include "files/contenuto_file.h"
#include "files/dichiarazioni.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string TESTA = "; banco di prova\r\n[Sonda]\r\nnome=T1\r\n\r\n";
const std::string VECCHIO = TESTA + "[NTC]\r\nR0=10000\r\nB=3950\r\n";
const std::string NUOVO = TESTA + "[NTC]\r\nR0=4700\r\nB=3435\r\n";

pid_t AvviaSalvataggi(const std::filesystem::path& file) {
    std::string programma = SALVA_IN_CICLO;
    std::string argomento = file.string();
    char* argomenti[] = {programma.data(), argomento.data(), nullptr};
    pid_t figlio = 0;
    EXPECT_EQ(::posix_spawn(&figlio, programma.c_str(), nullptr, nullptr, argomenti, environ), 0);
    return figlio;
}

// A save killed at any moment leaves the old file or the new one, never a mix of the two
// keys, and at most the one reusable temporary name, which the next save removes.
TEST(Interruzione, UnSalvataggioUccisoLasciaIlVecchioOIlNuovo) {
    CartellaProva cartella;
    const auto file = cartella / "interrotto.ntc";
    const std::string temporaneo = NomeTemporaneo(file).filename().string();
    ScriviFile(file, VECCHIO);
    std::mt19937 caso(20240611);
    // The child needs a few milliseconds to start; the kills then fall all over its saves.
    std::uniform_int_distribution<int> attesa(0, 40000);
    int temporaneiRimasti = 0;
    int nuoviTrovati = 0;
    for (int uccisione = 0; uccisione < 200; ++uccisione) {
        const pid_t figlio = AvviaSalvataggi(file);
        ASSERT_GT(figlio, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(attesa(caso)));
        ASSERT_EQ(::kill(figlio, SIGKILL), 0);
        int stato = 0;
        ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
        ASSERT_TRUE(WIFSIGNALED(stato)) << "il ciclo di salvataggi è finito da sé";

        const std::string contenuto = LeggiFile(file);
        ASSERT_TRUE(contenuto == VECCHIO || contenuto == NUOVO)
            << "uccisione " << uccisione << ": " << contenuto;
        nuoviTrovati += contenuto == NUOVO ? 1 : 0;
        ParametriNTC letti;
        CaricaParametri(file, letti);
        EXPECT_TRUE((letti.R0 == 10000 && letti.B == 3950) || (letti.R0 == 4700 && letti.B == 3435))
            << "uccisione " << uccisione;
        const std::string elenco = cartella.Elenco();
        if (elenco != "interrotto.ntc") {
            ++temporaneiRimasti;
            ASSERT_EQ(elenco, temporaneo + "|interrotto.ntc") << "uccisione " << uccisione;
        }
    }
    // Without saves that got through, the kills would have proved nothing.
    EXPECT_GT(nuoviTrovati, 0);
    EXPECT_LT(nuoviTrovati, 200);
    ASSERT_TRUE(SalvaParametri(file, {10000, 3950}));
    EXPECT_EQ(LeggiFile(file), VECCHIO);
    EXPECT_EQ(cartella.Elenco(), "interrotto.ntc");
    RecordProperty("temporanei_rimasti", temporaneiRimasti);
    RecordProperty("salvataggi_nuovi", nuoviTrovati);
}

} // namespace
