#include "curva/tacche.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Tacche, LineariSuValoriTondi) {
    struct Caso {
        Estremi estremi;
        int circa;
        std::vector<double> attese;
    };
    const std::vector<Caso> casi{
        {{-40, 125}, 10, {-40, -20, 0, 20, 40, 60, 80, 100, 120}},
        {{0, 1}, 5, {0, 0.2, 0.4, 0.6, 0.8, 1}},
        {{-0.35, 0.35}, 7, {-0.3, -0.2, -0.1, 0, 0.1, 0.2, 0.3}},
        {{0, 1}, 4, {0, 0.5, 1}},
        {{25, 25}, 10, {25}},
    };
    for (const Caso& caso : casi) {
        EXPECT_EQ(TaccheLineari(caso.estremi, caso.circa), caso.attese)
            << caso.estremi.minimo << " … " << caso.estremi.massimo;
    }
}

TEST(Tacche, LogaritmicheADecadiIntere) {
    const Estremi decadi = EstremiLogaritmici(339.4, 336000);
    EXPECT_EQ(decadi.minimo, 100);
    EXPECT_EQ(decadi.massimo, 1e6);
    // Across less than two decades the ends are 1, 2 or 5 of a decade.
    struct Caso {
        double minimo, massimo, basso, alto;
    };
    for (const Caso& caso : {Caso{4000, 9000, 2000, 10000}, Caso{10000, 10460, 10000, 20000},
                             Caso{1000, 1000, 1000, 2000}, Caso{600, 4500, 100, 10000}}) {
        const Estremi estremi = EstremiLogaritmici(caso.minimo, caso.massimo);
        EXPECT_EQ(estremi.minimo, caso.basso) << caso.minimo;
        EXPECT_EQ(estremi.massimo, caso.alto) << caso.massimo;
    }
}

TEST(Tacche, LogaritmicheQuanteNeStanno) {
    struct Caso {
        Estremi estremi;
        int massimo;
        std::vector<double> attese;
    };
    const std::vector<Caso> casi{
        {{100, 1000}, 8, {100, 200, 500, 1000}},
        // 1, 2 and 5 would be 19 lines: the decades alone.
        {{1, 1e6}, 8, {1, 10, 100, 1e3, 1e4, 1e5, 1e6}},
        {{1, 1e6},
         19,
         {1, 2, 5, 10, 20, 50, 100, 200, 500, 1e3, 2e3, 5e3, 1e4, 2e4, 5e4, 1e5, 2e5, 5e5, 1e6}},
        // Seventy-odd decades: every tenth.
        {{1e-3, 1e72}, 10, {1, 1e10, 1e20, 1e30, 1e40, 1e50, 1e60, 1e70}},
        // Eleven decades in six lines: every second one.
        {{1e-5, 1e5}, 6, {1e-4, 1e-2, 1, 1e2, 1e4}},
        // Within a decade: round linear steps.
        {{4000, 9000}, 8, {4000, 5000, 6000, 7000, 8000, 9000}},
    };
    for (const Caso& caso : casi) {
        const auto tacche = TaccheLogaritmiche(caso.estremi, caso.massimo);
        ASSERT_EQ(tacche.size(), caso.attese.size())
            << caso.estremi.minimo << " … " << caso.estremi.massimo;
        for (std::size_t i = 0; i < tacche.size(); ++i) {
            EXPECT_DOUBLE_EQ(tacche[i], caso.attese[i]) << caso.estremi.minimo;
        }
    }
    EXPECT_TRUE(TaccheLogaritmiche({0, 1e3}, 8).empty());
    EXPECT_TRUE(TaccheLogaritmiche({1, std::numeric_limits<double>::infinity()}, 8).empty());
}

TEST(Tacche, CifreDelleEtichette) {
    EXPECT_EQ(DecimaliPerPasso(20), 0);
    EXPECT_EQ(DecimaliPerPasso(0.5), 1);
    EXPECT_EQ(DecimaliPerPasso(0.25), 2);
    EXPECT_EQ(DecimaliPerPasso(0.002), 3);
    EXPECT_EQ(DecimaliPerPasso(0), 0);
    // 10 500 in steps of 100 needs 3 digits (10,5 k), in steps of 250 four (10,25 k).
    EXPECT_EQ(CifrePerPasso(10500, 100, 1), 3);
    EXPECT_EQ(CifrePerPasso(10250, 250, 1), 4);
    EXPECT_EQ(CifrePerPasso(2e5, 1e5, 3), 3);
    EXPECT_EQ(CifrePerPasso(1e6, 500, 3), 5); // 1,0005 M
}
