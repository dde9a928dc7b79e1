#pragma once

#include "core/regione.h"

class QCoreApplication;

// Metric-compatible faces for the fonts the windows ask for by name (Arial Narrow,
// Arial), where those are not installed, so the texts look the same on every machine.
void RegistraSostituzioniCaratteri();

// What the windows rely on from the start, set up once the application exists and before
// the first window: the faces above, Qt's own texts in Italian, and the user's decimal and
// grouping separators, read once from the system locale and returned.
Regione PreparaApplicazione(QCoreApplication& applicazione);
