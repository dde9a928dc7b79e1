#pragma once

#include "calcoli/righe_tabella.h"
#include "modelli/modello_ntc.h"
#include "modelli/punto_rt.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The points firmware reads a thermistor from, and how far its reading of them is from
// the model.

struct Intervallo {
    double da = 0; // °C
    double a = 0;  // °C
};

// The three points Klipper and ESPHome fit their own Steinhart–Hart to: the table's ends and
// its middle row; empty with fewer than three rows.
std::optional<std::array<RigaTabella, 3>> TrePunti(std::span<const RigaTabella> righe);
inline constexpr const char* SERVONO_TRE_RIGHE =
    "questo formato vuole tre punti: servono almeno tre righe";
std::array<PuntoRT, 3> PuntiDiRighe(const std::array<RigaTabella, 3>& righe);

// The three points for a firmware's own three-point fit, and that fit's largest error over
// the rows' range: the rows' ends and middle, or the model at the Chebyshev nodes of the
// range in 1/T, whichever keeps the fit closer to the model.
struct TrePuntiScelti {
    std::array<PuntoRT, 3> punti;
    double errore = 0;
};
TrePuntiScelti ScegliTrePunti(const ModelloNTC& modello, const std::array<RigaTabella, 3>& righe);

// The largest |T| error over the range of the Steinhart–Hart through the three points, or,
// where that has C ≤ 0, of the Beta through the outer two (what Klipper then takes), against
// the model.
double ErroreTrePunti(const ModelloNTC& modello, const std::array<PuntoRT, 3>& punti,
                      Intervallo campo);

// Points of the model over the range, as few as keep a straight line in R between
// neighbours within tolleranza of the model: empty when more than massimi would be needed.
std::vector<PuntoRT> TabellaLineareInR(const ModelloNTC& modello, Intervallo campo,
                                       double tolleranza, std::size_t massimi);
// The largest |T| error of such a table against the model.
double ErroreTabellaLineareInR(const ModelloNTC& modello, std::span<const PuntoRT> punti);

// "0.012 K", for the comments that state these errors.
std::string TestoErrore(double kelvin);
