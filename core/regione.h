#pragma once

#include <string>

// The user's regional number settings, as UTF-8 texts (a grouping separator may be
// several bytes, such as U+202F). Filled once by the program, passed to every rule
// that depends on it.
struct Regione {
    std::string decimale = ".";
    std::string migliaia = ",";
};
