#pragma once

#include "calcoli/contesto_tabella.h"
#include "calcoli/formato_tabella.h"
#include "calcoli/griglia.h"
#include "modelli/modello_ntc.h"

#include "calcoli/scarico.h"

#include <optional>
#include <string>

// Why a table was not written: the format cannot hold it (Marlin's whole degrees, three
// rows for Klipper), or the model or the divider gives no row.
struct ErroreTabella {
    enum class Tipo { Formato, Dati };
    Tipo tipo = Tipo::Dati;
    std::string motivo;
};

// The model's R–T table on the grid, in the format, appended to uscita (and handed to
// scarico as it grows, when given). Every row is checked before any is written, so a
// failure leaves uscita as it was and nothing has gone through scarico.
std::optional<ErroreTabella> ScriviTabella(std::string& uscita, const FormatoTabella& formato,
                                           const ModelloNTC& modello, const Griglia& griglia,
                                           const ContestoTabella& contesto,
                                           const Scarico& scarico = {});
