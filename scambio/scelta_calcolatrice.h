#pragma once

#include "scambio/piattaforma_calcolatrice.h"
#include "scambio/scrittura_calcolatrice.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A calculator program that may be installed, and how it takes a number.
struct CandidatoCalcolatrice {
    std::string programma; // a name looked up on PATH, or a path
    // Arguments that hand over the number, "{numero}" standing for it; empty when the
    // program takes none and the number must be typed into its window.
    std::vector<std::string> argomentiNumero;
    ModoScrittura modo = ModoScrittura::Testo;
    // How long its window must stay still after a key before the next one: a calculator
    // that is not ready for a key at once, though it has shown the last one, needs it.
    std::chrono::milliseconds quiete{0};
};

// The calculators tried, in order of preference.
std::vector<CandidatoCalcolatrice> CandidatiPredefiniti();

enum class SessioneGrafica {
    X11,     // keystrokes can be typed into another program's window
    Wayland, // they cannot
};

struct ComandoCalcolatrice {
    std::string programma; // as found installed
    std::vector<std::string> argomenti;
    ConsegnaNumero consegna = ConsegnaNumero::DaDigitare;
    ModoScrittura modo = ModoScrittura::Testo;
    std::chrono::milliseconds quiete{0};
};

// Where to find a program: its full path, or empty when it is not installed.
using TrovaProgramma = std::function<std::string(const std::string& programma)>;

// The start command for the first installed candidate, the number written for it with the
// region's decimal separator. Under Wayland the first installed one that takes the number
// at start comes first, since nothing can be typed there; the number is then delivered
// Impossibile when none does.
std::optional<ComandoCalcolatrice>
ScegliCalcolatrice(const std::vector<CandidatoCalcolatrice>& candidati, SessioneGrafica sessione,
                   const TrovaProgramma& trova, const NumeroScomposto& numero,
                   const std::string& decimale);
