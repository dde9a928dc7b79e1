#include "curva/lettura_partitore.h"
#include "modelli/modello_beta.h"

#include <gtest/gtest.h>

#include <cmath>

// The resolution is the slope of the count against T, here checked against the counts
// themselves a small step either side.
TEST(LetturaPartitore, KelvinPerConteggioComeLaPendenzaDeiConteggi) {
    const ModelloBeta modello(ParametriBeta{100000, 4267, 25});
    for (const auto posizione :
         {Partitore::Posizione::VersoMassa, Partitore::Posizione::VersoAlimentazione}) {
        PartitoreADC adc;
        adc.partitore = {posizione, 4700, 5};
        adc.bit = 10;
        for (const double t : {0.0, 25.0, 150.0, 280.0}) {
            const auto lettura = LeggiPartitore(modello, adc, t);
            ASSERT_TRUE(lettura.has_value()) << t;
            constexpr double H = 1e-4;
            const double sopra = *ConteggiADC(adc.partitore, adc.bit, *modello.Resistenza(t + H));
            const double sotto = *ConteggiADC(adc.partitore, adc.bit, *modello.Resistenza(t - H));
            EXPECT_NEAR(lettura->kelvinPerConteggio, 2 * H / std::fabs(sopra - sotto),
                        1e-5 * lettura->kelvinPerConteggio)
                << t;
            EXPECT_EQ(lettura->conteggi,
                      ConteggiADC(adc.partitore, adc.bit, *modello.Resistenza(t)));
            EXPECT_NEAR(lettura->tensione, lettura->conteggi / 1024 * 5, 1e-12);
        }
    }
    // A 4.7 kΩ pull-up reads a 100 kΩ part best near its 4.7 kΩ, about 160 °C here; at
    // 0 °C one count spans more than a kelvin.
    PartitoreADC adc;
    adc.partitore = {Partitore::Posizione::VersoMassa, 4700, 5};
    adc.bit = 10;
    EXPECT_LT(LeggiPartitore(modello, adc, 160)->kelvinPerConteggio, 0.5);
    EXPECT_GT(LeggiPartitore(modello, adc, 0)->kelvinPerConteggio, 1);
    EXPECT_EQ(LeggiPartitore(modello, adc, -300), std::nullopt);
}
