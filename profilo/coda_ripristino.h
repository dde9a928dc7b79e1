#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The tail a save that writes into a file in place first adds to it: a copy of the old
// bytes and a digest of the new ones. Kept inside the file, it is seen through every name
// of the file, by every user who may write it, and by no other file: it names the file's
// inode and birth time, and it goes in the step that completes the save.
//
// With O old bytes, N new ones and L the larger of the two, the file during the save is:
//   [0, L)     the data: the old bytes and blank lines up to L, turning into the new bytes
//              (followed by the rest of the old ones when N < O) as these are written;
//   [L, E)     the body, as comment lines: the old bytes in hexadecimal, the digest of each
//              block of the data as the new bytes leave it, and blank lines that keep the
//              closing line inside one 4 KiB page;
//   [E, E + C) the closing line: the file's identity, O, N, the digests of the body and of
//              the old bytes, and its own.
// The closing line is written first, in one write that no kill can split, the rest after
// it: a save cut short leaves either no tail or one that is recognised. Other programs
// that read the file meanwhile see the old values and comment lines.

// Not the device: the tail is inside the file, and it is after a crash and a restart, when
// a disk may come back under another device number, that the tail is needed.
struct IdentitaFile {
    std::uint64_t inode = 0;
    // The birth time, where the file system keeps one: an inode number used again by a
    // later file does not come back with the same birth time.
    bool nascitaNota = false;
    std::int64_t nascitaSecondi = 0;
    std::uint32_t nascitaNanosecondi = 0;
};

struct CodaRipristino {
    std::string corpo;    // written at offset O: the blank lines up to L, then the body
    std::string chiusura; // written at offset O + corpo.size()
};

CodaRipristino ComponiCoda(const IdentitaFile& identita, std::string_view vecchi,
                           std::string_view nuovi);

// What a file whose bytes end in a tail for this identity must hold again: the old bytes
// when the save was cut short at any point, the new ones when all it lacked was cutting
// the tail off, the data as they stand when something else has written them since. Nothing
// when the bytes carry no tail of this file.
std::optional<std::string> ContenutoDaRipristinare(std::string_view byte,
                                                   const IdentitaFile& identita);

// The largest a file whose data stay within massimo bytes becomes with its tail.
std::size_t DimensioneMassimaConCoda(std::size_t massimo);
