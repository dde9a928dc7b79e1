#pragma once

#include "core/regione.h"
#include "dialoghi/scelta_file.h"
#include "scambio/piattaforma_calcolatrice.h"

#include <memory>

// The platform services the main window uses; tests hand it fakes. The clipboard is
// not among them: Qt's own serves the tests offscreen as well.
struct Servizi {
    std::unique_ptr<PiattaformaCalcolatrice> calcolatrice;
    std::unique_ptr<SceltaFile> sceltaFile;
};

// The real services of the platform the program runs on.
Servizi ServiziDiSistema(const Regione& regione);
