#include "about/componi_versione.h"

#include <gtest/gtest.h>

namespace {

struct CasoVersione {
    unsigned maggiore;
    unsigned minore;
    unsigned revisione;
    const char* atteso;
};

void PrintTo(const CasoVersione& caso, std::ostream* uscita) {
    *uscita << caso.atteso;
}

class ComponiVersioneTest : public testing::TestWithParam<CasoVersione> {};

TEST_P(ComponiVersioneTest, ScriveINumeriSenzaSeparatoreTraMinoreERevisione) {
    const CasoVersione& caso = GetParam();
    EXPECT_EQ(ComponiVersione(caso.maggiore, caso.minore, caso.revisione).toStdString(),
              caso.atteso);
}

INSTANTIATE_TEST_SUITE_P(Casi, ComponiVersioneTest,
                         testing::Values(CasoVersione{1, 0, 1, "Versione 1.01"},
                                         CasoVersione{2, 3, 12, "Versione 2.312"},
                                         CasoVersione{10, 0, 0, "Versione 10.00"},
                                         CasoVersione{0, 12, 100, "Versione 0.12100"}));

} // namespace
