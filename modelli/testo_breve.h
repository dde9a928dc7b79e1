#pragma once

#include <string>

// The shortest text that reads back (std::from_chars, strtod in the C locale) to the same
// double, with "." as the point whatever the locale: 3261.458, 1e-07, 0.1.
std::string TestoBreve(double valore);

// The same text appended, for writers of long tables.
void AggiungiTestoBreve(std::string& destinazione, double valore);
