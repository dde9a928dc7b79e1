#pragma once

#include "finestra/servizi.h"
#include "tests/dialoghi/scelta_file_finta.h"

#include <string>
#include <vector>

// Stand-ins for the platform services: they keep what the window asked of them.
class CalcolatriceFinta : public PiattaformaCalcolatrice {
public:
    std::optional<AvvioCalcolatrice> Avvia(const std::string& t) override {
        avvii.push_back(t);
        return avvio;
    }
    bool FinestraAttiva(std::int64_t) override { return true; }
    bool Digita(std::int64_t, const std::string&) override { return true; }

    std::vector<std::string> avvii;
    std::optional<AvvioCalcolatrice> avvio = AvvioCalcolatrice{42, ConsegnaNumero::AllAvvio};
};

struct ServiziFinti {
    CalcolatriceFinta* calcolatrice = new CalcolatriceFinta;
    SceltaFileFinta* sceltaFile = new SceltaFileFinta;

    // Called once: the window takes ownership.
    Servizi Crea() {
        return Servizi{std::unique_ptr<PiattaformaCalcolatrice>(calcolatrice),
                       std::unique_ptr<SceltaFile>(sceltaFile)};
    }
};
