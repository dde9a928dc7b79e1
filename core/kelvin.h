#pragma once

// 0 °C in kelvin: temperatures are given in °C and the models compute in kelvin.
inline constexpr double ZERO_CELSIUS_K = 273.15;

// 25 °C: where makers give a thermistor's R25 and where the Beta's R0 is.
inline constexpr double T_R25 = 25;
