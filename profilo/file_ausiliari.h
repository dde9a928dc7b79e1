#pragma once

#include "profilo/descrittore.h"

#include <optional>
#include <string>
#include <sys/types.h>

// The hidden file a save that replaces the file writes first. Its name is short, so that
// a file whose own name is as long as the file system allows can be saved too.

struct Temporaneo {
    std::string nome;
    Descrittore file;
};

// A new file of a unique name in the folder, open for writing, with the given permissions
// (before the umask); nothing when it cannot be made.
std::optional<Temporaneo> CreaTemporaneo(int cartella, mode_t permessi);

// Removes the temporaries of saves that were killed. Only to be called under the folder's
// lock, when no save in the folder is under way; also the fixed temporary name earlier
// versions used.
void RimuoviTemporanei(int cartella);
