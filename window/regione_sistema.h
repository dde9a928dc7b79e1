#pragma once

#include "core/regione.h"

// The user's decimal and grouping separators, read once from the system locale.
Regione RegioneDiSistema();
