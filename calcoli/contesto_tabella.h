#pragma once

#include "calcoli/partitore_adc.h"

#include <optional>

// What a table format needs besides the rows.
struct ContestoTabella {
    // The divider the counts were made with, if any.
    std::optional<PartitoreADC> partitore;
    // A CSV for the spreadsheets of comma regions: ";" between fields, a decimal comma.
    bool virgola = false;
};
