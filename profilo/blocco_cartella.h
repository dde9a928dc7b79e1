#pragma once

#include "profilo/descrittore.h"

#include <chrono>
#include <filesystem>

// An advisory lock (flock) on a folder, held while a file in it is read or saved: loads and
// saves of the files of one folder take turns, across processes, each in its turn. Waits
// until the deadline at most for another holder; a process that dies lets go of its lock.
class BloccoCartella {
public:
    BloccoCartella(const std::filesystem::path& cartella,
                   std::chrono::steady_clock::time_point limite);
    ~BloccoCartella();
    BloccoCartella(const BloccoCartella&) = delete;
    BloccoCartella& operator=(const BloccoCartella&) = delete;

    bool Preso() const { return preso_; }
    // The folder, open for the *at calls; -1 when it could not be opened.
    int Cartella() const { return cartella_.Numero(); }

private:
    Descrittore cartella_;
    bool preso_ = false;
};
