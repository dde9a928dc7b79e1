// The three points Klipper and ESPHome fit their own curve to.
#include "calcoli/punti_firmware.h"
#include "modelli/modello_esteso.h"

#include <gtest/gtest.h>

namespace {

// The maker's extended form, which no three-point Steinhart–Hart holds over a wide range,
// from rows whose middle one sits near an end: the points chosen read it closer than the
// rows do, and the error given is theirs.
TEST(TrePunti, LaSceltaLeggeMeglioDelleRigheEstreme) {
    const ModelloEsteso vishay({3.354016e-03, 2.569850e-04, 2.620131e-06, 6.383091e-08, 10000});
    const auto riga = [&](double t) {
        return RigaTabella{t, *vishay.Resistenza(t), 0, std::nullopt, 0};
    };
    const std::array righe{riga(-40), riga(280), riga(300)};
    const Intervallo campo{-40, 300};
    const TrePuntiScelti scelti = ScegliTrePunti(vishay, righe);
    EXPECT_LT(scelti.errore, ErroreTrePunti(vishay, PuntiDiRighe(righe), campo));
    EXPECT_EQ(scelti.errore, ErroreTrePunti(vishay, scelti.punti, campo));
}

} // namespace
