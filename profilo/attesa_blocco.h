#pragma once

#include <chrono>

// How long a load or a save waits for another's lock: longer than any save takes, short
// enough that a holder that hangs does not hang the window with it.
inline constexpr auto ATTESA_BLOCCO = std::chrono::seconds(5);

// Takes the advisory lock (flock, LOCK_EX or LOCK_SH) of the open file or folder, waiting
// for it until the deadline; false when it was not taken. A descriptor whose wait ran out
// is to be closed, not locked again: the lock may still be granted to it, and is then let go.
bool PrendiBlocco(int descrittore, int tipo, std::chrono::steady_clock::time_point limite);
