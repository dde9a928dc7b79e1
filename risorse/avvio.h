#pragma once

#include "core/regione.h"

class QCoreApplication;

// Metric-compatible faces for the fonts the windows ask for by name (Arial Narrow,
// Arial), where those are not installed, so the texts look the same on every machine.
void RegistraSostituzioniCaratteri();

// Installs Qt's own Italian texts (standard dialogs and buttons) in the application;
// false when the translation is not installed, and the texts then stay English.
bool CaricaTraduzioneQt(QCoreApplication& applicazione);

// What the windows rely on from the start, set up once the application exists and before
// the first window: the faces above, Qt's own texts in Italian, and the user's decimal and
// grouping separators, read once from the system locale and returned.
Regione PreparaApplicazione(QCoreApplication& applicazione);
