#pragma once

#include "profilo/descrittore.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// The hidden files a save keeps beside the file for a moment. Their names are short, so
// that a file whose own name is as long as the file system allows can be saved too.

// The backup of a file's old bytes while new ones are written into it: tied to the file's
// name and to its inode, so it is never taken for the backup of another file.
std::string NomeCopia(std::string_view nome, ino_t inode);

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
