#pragma once

// 0 °C in kelvin: temperatures are given in °C and the models compute in kelvin.
inline constexpr double ZERO_CELSIUS_K = 273.15;
