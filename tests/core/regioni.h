#pragma once

#include "core/regione.h"

// The regions the tables run under: a full stop, a decimal comma, and two with a
// multi-byte grouping separator.
inline const Regione INGLESE{".", ","};
inline const Regione ITALIANA{",", "."};
inline const Regione FRANCESE{",", "\u202F"};
inline const Regione SVIZZERA{".", "\u2019"};
