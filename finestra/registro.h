#pragma once

#include "core/regione.h"

#include <QString>

// The editing rules of the entry register, as plain functions of its text.

// What the register shows after a failed conversion.
QString TestoErrore();

// A digit key: "0" and "Errore" are replaced, anything else is continued.
QString PremiCifra(const QString& registro, const QString& cifra);

// The decimal-point key: appends "." unless the text already holds one.
QString PremiPunto(const QString& registro);

// The sign-change key: the value (the region's decimal separator read as ".") times -1,
// written back with "." as the point and a "0" before a leading point.
QString CambiaSegno(const QString& registro, const Regione& regione);

// The Back key: the last character goes, surrounding blanks go, empty becomes "0".
QString TogliUltimo(const QString& registro);
