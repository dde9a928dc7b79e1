#pragma once

#include "modelli/punto_rt.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

// Which of "," and "." a paste's numbers take as the decimal separator; the other may
// group thousands ("1.234,5", "1,234.5").
enum class SeparatoreDecimale { Virgola, Punto };

struct PuntiIncollati {
    std::vector<PuntoRT> punti;
    QStringList errori; // "riga 3: ..." for each line that is not a point
    SeparatoreDecimale separatore = SeparatoreDecimale::Punto;
    // The first text the other rule reads as another number ("3.605": 3605 or 3,605), when
    // nothing in the paste decided between them; empty otherwise.
    QString ambiguo;
};

// Points as a spreadsheet copies them: one a line, °C then ohm separated by a tab or a
// semicolon (or a comma alone, where the region's decimal separator is not one). The whole
// paste is read by one rule, the one given or else the one its numbers show: a text that
// only one rule reads ("1070.300", "1,5", "1.234,5") decides it; with nothing to decide,
// the region's. Blank lines and a heading first line are skipped.
PuntiIncollati LeggiPuntiIncollati(const QString& testo, const QLocale& regione,
                                   std::optional<SeparatoreDecimale> separatore = std::nullopt);
