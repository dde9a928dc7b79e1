#pragma once

// Reading and saving a profile file's bytes. What a save guarantees:
// - Nothing is torn: a save killed at any instant leaves the complete old file, the
//   complete new file, or, for a save into the file itself, the file with a tail holding
//   a copy of its old bytes (coda_ripristino.h), from which the next load or save through
//   any of the file's names puts the old bytes back. A tail counts only for the file it
//   was made for and only in a state of its own save: a save that completed is never
//   undone. A save that reports success has its bytes on disk (fsync); one that reports
//   failure leaves the file as it was.
// - Nothing is taken away: the file keeps its owner, group, permissions, extended
//   attributes (ACLs) and hard links. The new bytes replace the file by an atomic rename
//   when the new file can have all of these (the saver owns the file, or is root, and it has
//   one link and no extended attributes); otherwise they are written into the file itself.
// - Nothing is lost between saves: loads and saves of the files of one folder hold an
//   advisory lock on the folder (flock), and on the file for its names in other folders,
//   so two saves of one file at once both land, one after the other, each reading what the
//   other wrote. A save waiting for the lock gets its turn (attesa_blocco.cpp).
// - Nothing hangs: a lock is waited for ATTESA_BLOCCO (attesa_blocco.h) at most; files over
//   DIMENSIONE_MASSIMA_FILE are refused at once, and no save makes a file larger; anything
//   that is not a regular file (a folder, a FIFO) is refused without being waited on.
// - A symbolic link stays a link: the file it points to is the one read and written.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A profile file is a few dozen bytes; anything beyond this is not one.
inline constexpr std::size_t DIMENSIONE_MASSIMA_FILE = std::size_t{1024} * 1024U;

enum class StatoLettura { Letto, Assente, Errore };

struct ContenutoFile {
    StatoLettura stato = StatoLettura::Errore;
    std::string byte;
};

// The file's bytes; Assente when nothing is there, Errore for a folder, a FIFO or another
// file that is not regular, a file that cannot be read, or one beyond the size limit.
ContenutoFile LeggiContenutoFile(const std::filesystem::path& file);

// What a save does with the file's bytes: the new bytes from the old ones (empty for a
// file not there yet), or nothing to give the save up.
using Modifica = std::function<std::optional<std::string>(std::string_view vecchi)>;

// Reads, changes and writes the file in one turn under the folder's lock; false, with the
// file as it was, when it is marked read-only (no write permission bit, also for root), it
// cannot be written (or its folder, for a file made anew or replaced), it is not a regular
// file, it or its new bytes are beyond the size limit, or the change gave up.
bool ModificaContenutoFile(const std::filesystem::path& file, const Modifica& modifica);
