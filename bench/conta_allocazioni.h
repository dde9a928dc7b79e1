#pragma once

#include <cstdint>

// Linking conta_allocazioni.cpp replaces the global operator new: this is how many
// times it has been called so far in the process.
uint64_t AllocazioniFatte();
