#include "modelli/autoriscaldamento.h"
#include "modelli/modello_beta.h"
#include "modelli/partitore.h"
#include "modelli/testo_breve.h"
#include "modelli/tolleranza.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

const ModelloBeta SENSORE({10000, 3950});

TEST(Tolleranza, R25EBetaSiSommano) {
    EXPECT_NEAR(*SENSORE.DerivataLogaritmica(25), -3950 / (298.15 * 298.15), 1e-15);
    // At 25 °C only R25 counts: 1 % over α = B/T².
    const auto a25 = Tolleranza(SENSORE, 25, 1, 1);
    ASSERT_TRUE(a25);
    EXPECT_NEAR(a25->resistenzaPercento, 1, 1e-12);
    EXPECT_NEAR(a25->gradi, 0.01 * 298.15 * 298.15 / 3950, 1e-12);
    // At 85 °C the B error adds B·|1/T − 1/T25| of it.
    const double relativa = 0.01 + 0.02 * 3950 * (1 / 298.15 - 1 / 358.15);
    const auto a85 = Tolleranza(SENSORE, 85, 1, 2);
    ASSERT_TRUE(a85);
    EXPECT_NEAR(a85->resistenzaPercento, relativa * 100, 1e-9);
    EXPECT_NEAR(a85->gradi, relativa * 358.15 * 358.15 / 3950, 1e-9);
    EXPECT_FALSE(Tolleranza(SENSORE, 85, -1, 1));
    EXPECT_FALSE(Tolleranza(SENSORE, -300, 1, 1));
}

TEST(Partitore, TensioniEConteggiNeiDueVersi) {
    const Partitore versoMassa{Partitore::Posizione::VersoMassa, 4700, 3.3};
    const Partitore versoAlimentazione{Partitore::Posizione::VersoAlimentazione, 4700, 3.3};
    EXPECT_DOUBLE_EQ(*TensionePartitore(versoMassa, 10000), 3.3 * 10000 / 14700);
    EXPECT_DOUBLE_EQ(*TensionePartitore(versoAlimentazione, 10000), 3.3 * 4700 / 14700);
    EXPECT_DOUBLE_EQ(*ConteggiADC(versoMassa, 10, 4700), 512);
    EXPECT_DOUBLE_EQ(*ResistenzaDaConteggi(versoAlimentazione, 12, 1024), 3 * 4700);
    for (const Partitore& p : {versoMassa, versoAlimentazione}) {
        // Counts → T → counts, every count of a 10-bit converter that has a temperature.
        for (int c = 1; c < 1024; ++c) {
            const auto t = SENSORE.Temperatura(*ResistenzaDaConteggi(p, 10, c));
            ASSERT_TRUE(t) << c;
            EXPECT_NEAR(*ConteggiADC(p, 10, *SENSORE.Resistenza(*t)), c, 1e-9) << c;
        }
        for (const double fuori : {0.0, 1024.0, -1.0, double{NAN}}) {
            EXPECT_FALSE(ResistenzaDaConteggi(p, 10, fuori)) << fuori;
        }
        EXPECT_FALSE(ConteggiADC(p, 0, 4700));
        EXPECT_FALSE(ConteggiADC(p, 33, 4700));
        EXPECT_FALSE(TensionePartitore(p, 0));
    }
    EXPECT_FALSE(TensionePartitore({Partitore::Posizione::VersoMassa, 0, 3.3}, 4700));
}

TEST(Autoriscaldamento, PotenzaESovratemperatura) {
    // 10 kΩ with 10 kΩ at 3.3 V: 1.65 V across it, 0.27225 mW, 0.1815 K at 1.5 mW/K.
    for (const auto posizione :
         {Partitore::Posizione::VersoMassa, Partitore::Posizione::VersoAlimentazione}) {
        const auto d = Autoriscaldamento({posizione, 10000, 3.3}, 10000, 1.5);
        ASSERT_TRUE(d);
        EXPECT_NEAR(d->potenzaW, 0.27225e-3, 1e-15);
        EXPECT_NEAR(d->sovratemperaturaK, 0.1815, 1e-12);
    }
    EXPECT_FALSE(Autoriscaldamento({Partitore::Posizione::VersoMassa, 10000, 3.3}, 10000, 0));
}

TEST(TestoBreve, PiuCortoERiletto) {
    for (const auto& [valore, testo] :
         {std::pair{0.1, "0.1"}, {1e-7, "1e-07"}, {-40.0, "-40"}, {1e22, "1e+22"}}) {
        EXPECT_EQ(TestoBreve(valore), testo);
    }
    // Whatever the C library's decimal point.
    const std::string prima = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "it_IT.UTF-8");
    std::mt19937_64 caso(7);
    for (int i = 0; i < 100000; ++i) {
        double valore = 0;
        const uint64_t bit = caso();
        std::memcpy(&valore, &bit, sizeof valore);
        if (!std::isfinite(valore)) {
            continue;
        }
        const std::string testo = TestoBreve(valore);
        ASSERT_EQ(testo.find(','), std::string::npos) << testo;
        double letto = 0;
        std::from_chars(testo.data(), testo.data() + testo.size(), letto);
        ASSERT_EQ(letto, valore) << testo;
    }
    std::setlocale(LC_ALL, prima.c_str());
    std::string lungo = "x";
    AggiungiTestoBreve(lungo, -std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(lungo, "x-5e-324");
}

} // namespace
