#pragma once

// Metric-compatible faces for the fonts the windows ask for by name, where those are not
// installed, so the register looks the same on every machine.
void RegistraSostituzioniCaratteri();
