#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// How the number reaches a calculator that was just started.
enum class ConsegnaNumero {
    AllAvvio,    // it was handed over on the command line
    DaDigitare,  // it is to be typed into the calculator's window
    Impossibile, // this session offers no way to type it
};

struct AvvioCalcolatrice {
    std::int64_t processo = 0;
    ConsegnaNumero consegna = ConsegnaNumero::DaDigitare;
};

// The operating system's calculator: starting it, finding its window, typing into it.
// A port to another system implements this class and CreaPiattaformaCalcolatrice in one
// file of its own.
class PiattaformaCalcolatrice {
public:
    virtual ~PiattaformaCalcolatrice() = default;

    // Starts a new calculator for the register's text, handing the number over at start
    // where that calculator takes one; empty when no calculator could be started.
    virtual std::optional<AvvioCalcolatrice> Avvia(const std::string& testo) = 0;

    // Whether a window of the process exists and is the active one; when it exists but is
    // not active, asks for it to be activated, so a later call may succeed.
    virtual bool FinestraAttiva(std::int64_t processo) = 0;

    // Types the register's text into the active window of the process in the notation and
    // at the pace that calculator needs, and stops as soon as that window loses the focus.
    // False when not everything was typed.
    virtual bool Digita(std::int64_t processo, const std::string& testo) = 0;
};

// The calculator of the platform the program runs on, reading numbers by the region.
struct Regione;
std::unique_ptr<PiattaformaCalcolatrice> CreaPiattaformaCalcolatrice(const Regione& regione);
