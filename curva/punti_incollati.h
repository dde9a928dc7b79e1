#pragma once

#include "modelli/punto_rt.h"

#include <QLocale>
#include <QString>

#include <vector>

struct PuntiIncollati {
    std::vector<PuntoRT> punti;
    QStringList errori; // "riga 3: ..." for each line that is not a point
};

// Points as a spreadsheet copies them: one a line, °C then ohm separated by a tab or a
// semicolon (or a comma alone, where the region's decimal separator is not one). Numbers by the
// region's rules, or with a decimal comma or point whatever the region. Blank lines and a
// heading first line are skipped.
PuntiIncollati LeggiPuntiIncollati(const QString& testo, const QLocale& regione);
