#pragma once

#include "modelli/parametri_modello.h"

#include <QLocale>
#include <QString>

// A model as a legend or a fit's result names it: "Beta: R0 = 10000, B = 3950, T0 = 25",
// each coefficient at full precision in the region's format.
QString DescrizioneModello(const QLocale& regione, const ParametriModello& parametri);
