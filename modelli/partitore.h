#pragma once

#include <optional>

// A voltage divider: the thermistor and a series resistor across the reference voltage,
// which is also the ADC's reference (a ratiometric reading).
struct Partitore {
    enum class Posizione {
        VersoMassa,         // thermistor between the output and ground
        VersoAlimentazione, // thermistor between the supply and the output
    };
    Posizione posizione = Posizione::VersoMassa;
    double rSerie = 0;      // ohm
    double tensioneRif = 0; // volt
};

// Output voltage for the thermistor's resistance; empty for a resistance or divider that
// is not positive.
std::optional<double> TensionePartitore(const Partitore& partitore, double resistenza);

// ADC counts (not rounded) for the thermistor's resistance with a bits-wide converter:
// tension / tensioneRif · 2^bit, as AVR-style converters count.
std::optional<double> ConteggiADC(const Partitore& partitore, int bit, double resistenza);

// The thermistor's resistance for a count strictly between 0 and 2^bit.
std::optional<double> ResistenzaDaConteggi(const Partitore& partitore, int bit, double conteggi);
