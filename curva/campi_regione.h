#pragma once

#include <QLocale>
#include <QString>

#include <optional>
#include <string>

// Numbers in fields and labels by the region's rules (a decimal comma in comma regions).

// The whole text as one finite number; blanks around it are ignored.
std::optional<double> LeggiCampo(const QLocale& regione, const QString& testo);

// The shortest text that reads back to the same double, with the region's decimal
// separator and no grouping, so that a coefficient is shown at full precision.
QString TestoCampo(const QLocale& regione, double valore);

// A field's number as a text with "." as the point, as typed (no digit added or lost), for
// rules that count the decimals typed; empty when the field is not a number.
std::string TestoConPunto(const QLocale& regione, const QString& testo);

// A reading to so many significant digits, without grouping: "10000", "-4,444".
QString TestoCifre(const QLocale& regione, double valore, int cifre);

// A reading of a temperature or a difference in kelvin, to four significant digits:
// "−40", "12,5".
QString TestoGradi(const QLocale& regione, double valore);
// A resistance with its prefix to so many significant digits: "2,2 kΩ".
QString TestoOhm(const QLocale& regione, double valore, int cifre);

// A library's message with its numbers ("C = -1.4789891845560703e-08", "B = 3838.95") in
// the region's format; whole numbers stay as they are.
QString NumeriNellaRegione(const QLocale& regione, const QString& messaggio);
