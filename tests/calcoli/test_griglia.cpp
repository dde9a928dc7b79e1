#include "calcoli/griglia.h"
#include "calcoli/partitore_adc.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

NumeroScritto Scritto(std::string_view testo) {
    double valore = 0;
    std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    return {valore, testo};
}

std::variant<Griglia, ErroreGriglia> Calcola(std::string_view da, std::string_view a,
                                             std::string_view passo) {
    return CalcolaGriglia(Scritto(da), Scritto(a), Scritto(passo));
}

std::vector<double> Temperature(const Griglia& griglia) {
    std::vector<double> temperature;
    for (long i = 0; i < griglia.righe; ++i) {
        temperature.push_back(griglia.Temperatura(i));
    }
    return temperature;
}

} // namespace

TEST(Griglia, RigheComeLeDigitaLUtente) {
    const auto lunga = std::get<Griglia>(Calcola("-55", "300", "0.01"));
    EXPECT_EQ(lunga.righe, 35501);
    EXPECT_EQ(lunga.Temperatura(35500), 300);
    EXPECT_EQ(lunga.Temperatura(1), -54.99);
    EXPECT_EQ(Temperature(std::get<Griglia>(Calcola("100", "0", "-25"))),
              (std::vector<double>{100, 75, 50, 25, 0}));
    // The end is not reached past it: 0, 0.3, 0.6, 0.9.
    EXPECT_EQ(std::get<Griglia>(Calcola("0", "1", "0.3")).righe, 4);
    EXPECT_EQ(std::get<Griglia>(Calcola("1", "1000000", "1")).righe, RIGHE_MASSIME);
    for (const auto& [da, a, passo, errore] :
         {std::tuple("0", "1", "0", ErroreGriglia::PassoNullo),
          std::tuple("10", "0", "1", ErroreGriglia::VersoOpposto),
          std::tuple("0", "1e9", "1e-9", ErroreGriglia::TroppeRighe),
          std::tuple("0", "1000000", "1", ErroreGriglia::TroppeRighe)}) {
        const auto griglia = Calcola(da, a, passo);
        ASSERT_TRUE(std::holds_alternative<ErroreGriglia>(griglia))
            << da << " " << a << " " << passo;
        EXPECT_EQ(std::get<ErroreGriglia>(griglia), errore);
    }
}

// 1 to 31 bits, and a reading never past 2^bit - 1, however large the resistance.
TEST(PartitoreADC, BitEConteggioMassimo) {
    PartitoreADC adc{{Partitore::Posizione::VersoMassa, 4700, 3.3}, 1};
    EXPECT_EQ(VerificaPartitore(adc), "");
    adc.bit = 0;
    EXPECT_NE(VerificaPartitore(adc), "");
    adc.bit = 10;
    EXPECT_EQ(ConteggioIntero(adc, 1e12), 1023);
}
