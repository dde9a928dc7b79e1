#pragma once

#include "core/regione.h"
#include "scambio/piattaforma_calcolatrice.h"
#include "scambio/scelta_calcolatrice.h"

#include <map>
#include <vector>

// The session the program runs in: Wayland when the environment names it.
SessioneGrafica SessioneCorrente();

// The first installed of the candidate calculators, started without a shell; the number
// goes in on its command line where it takes one, otherwise through XTest under X11.
class PiattaformaLinux : public PiattaformaCalcolatrice {
public:
    explicit PiattaformaLinux(Regione regione,
                              std::vector<CandidatoCalcolatrice> candidati = CandidatiPredefiniti(),
                              SessioneGrafica sessione = SessioneCorrente());

    std::optional<AvvioCalcolatrice> Avvia(const std::string& testo) override;
    bool FinestraAttiva(std::int64_t processo) override;
    bool Digita(std::int64_t processo, const std::string& testo) override;

private:
    Regione regione_;
    std::vector<CandidatoCalcolatrice> candidati_;
    SessioneGrafica sessione_;
    // How each calculator started for typing reads a number.
    std::map<std::int64_t, ComandoCalcolatrice> avviate_;
};
