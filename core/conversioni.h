#pragma once

#include "core/parametri_ntc.h"

#include <string_view>

// Results that stand for a failed conversion; callers compare by exact equality.
inline constexpr double ERRORE_CALCOLO = -99999;
inline constexpr double ERRORE_R0 = -99998;
inline constexpr double ERRORE_B = -99997;

// Temperature in °C to resistance in ohm with the Beta model, or a sentinel.
double CalcolaOhm(const ParametriNTC& parametri, double temperatura);

// Resistance in ohm to temperature in °C, the inverse of CalcolaOhm, or a sentinel.
double CalcolaTemperatura(const ParametriNTC& parametri, double resistenza);

// °C to °F (unit "F") or K (unit "K"); 0 for any other unit; ERRORE_CALCOLO below
// absolute zero or on overflow.
double ConvertiTemperatura(double temperatura, std::string_view unita);
