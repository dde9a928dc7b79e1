#pragma once

#include "modelli/esito.h"
#include "modelli/modello_ntc.h"
#include "ntc/formati.h"
#include "ntc/partitore_da_opzioni.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// The R–T table of a model on a grid of temperatures, with the ADC count when a divider
// is given; the error names the first temperature the model has no resistance for.
Esito<std::vector<RigaTabella>> CalcolaRighe(const ModelloNTC& modello,
                                             std::span<const double> temperature,
                                             const std::optional<PartitoreADC>& adc);

// The table in one of brevanto-ntc's formats, byte for byte what the command writes for
// the same model, grid and divider; the error says why the format cannot hold it.
Esito<std::string> TestoTabella(FormatoTabella formato, std::span<const RigaTabella> righe,
                                const std::optional<PartitoreADC>& adc);
