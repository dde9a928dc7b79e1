#pragma once

// The sensor's two parameters; 0 in a field means "not set".
struct ParametriNTC {
    double R0 = 0; // ohm at 25 °C
    double B = 0;  // kelvin
};

// The one parameter set of the program. Functions take a set by reference so that
// tests and callers can use their own.
ParametriNTC& ParametriCorrenti();

void AzzeraParametri(ParametriNTC& parametri);
