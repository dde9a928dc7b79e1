#pragma once

#include <QString>

// "Versione " + major + "." + minor + revision, the minor and revision numbers
// written side by side: 1, 0, 1 give "Versione 1.01".
QString ComponiVersione(unsigned maggiore, unsigned minore, unsigned revisione);
