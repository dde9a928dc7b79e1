#pragma once

#ifdef _WIN32

#include "exchange/piattaforma_calcolatrice.h"

// "calc.exe" started in a normal window that takes the focus; keystrokes go in through
// SendInput while the window of that process is in the foreground.
class PiattaformaWindows : public PiattaformaCalcolatrice {
public:
    std::optional<AvvioCalcolatrice> Avvia(const std::string& testo) override;
    bool FinestraAttiva(std::int64_t processo) override;
    bool Digita(std::int64_t processo, const std::string& notazione) override;
};

#endif
