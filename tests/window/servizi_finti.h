#pragma once

#include "tests/files/scelta_file_finta.h"
#include "window/servizi.h"

#include <string>
#include <vector>

// Stand-ins for the platform services: they keep what the window asked of them.
class AppuntiFinti : public Appunti {
public:
    void Svuota() override {
        testo.clear();
        ++svuotati;
    }
    void ScriviTesto(const std::string& t) override { testo = t; }
    std::string LeggiTesto() override { return testo; }

    std::string testo;
    int svuotati = 0;
};

class CalcolatriceFinta : public PiattaformaCalcolatrice {
public:
    std::optional<AvvioCalcolatrice> Avvia(const std::string& t) override {
        avvii.push_back(t);
        return AvvioCalcolatrice{42, ConsegnaNumero::AllAvvio};
    }
    bool FinestraAttiva(std::int64_t) override { return true; }
    bool Digita(std::int64_t, const std::string&) override { return true; }

    std::vector<std::string> avvii;
};

struct ServiziFinti {
    AppuntiFinti* appunti = nullptr;
    CalcolatriceFinta* calcolatrice = nullptr;
    SceltaFileFinta* sceltaFile = nullptr;

    Servizi Crea() {
        auto a = std::make_unique<AppuntiFinti>();
        auto c = std::make_unique<CalcolatriceFinta>();
        auto s = std::make_unique<SceltaFileFinta>();
        appunti = a.get();
        calcolatrice = c.get();
        sceltaFile = s.get();
        return Servizi{std::move(a), std::move(c), std::move(s)};
    }
};
