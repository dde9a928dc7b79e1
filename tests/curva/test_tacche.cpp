#include "curva/tacche.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(TaccheLogaritmiche({100, 1000}), (std::vector<double>{100, 200, 500, 1000}));
    // Past four decades only the decades are lines.
    EXPECT_EQ(TaccheLogaritmiche({1, 1e6}), (std::vector<double>{1, 10, 100, 1e3, 1e4, 1e5, 1e6}));
}
