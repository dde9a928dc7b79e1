#include "profilo/blocco_cartella.h"

#include "profilo/attesa_blocco.h"

#include <fcntl.h>
#include <sys/file.h>

BloccoCartella::BloccoCartella(const std::filesystem::path& cartella,
                               std::chrono::steady_clock::time_point limite)
    : cartella_(::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK)) {
    preso_ = cartella_.Aperto() && PrendiBlocco(cartella_.Numero(), LOCK_EX, limite);
}

BloccoCartella::~BloccoCartella() {
    if (preso_) {
        ::flock(cartella_.Numero(), LOCK_UN);
    }
}
