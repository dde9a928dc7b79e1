#include "profilo/blocco_cartella.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace {

constexpr auto ATTESA_MASSIMA = std::chrono::seconds(5);
constexpr auto PAUSA = std::chrono::milliseconds(2);

} // namespace

BloccoCartella::BloccoCartella(const std::filesystem::path& cartella)
    : cartella_(::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK)) {
    if (!cartella_.Aperto()) {
        return;
    }
    // Not a blocking flock: a holder that hangs must not hang the window as well.
    const auto limite = std::chrono::steady_clock::now() + ATTESA_MASSIMA;
    while (!preso_) {
        preso_ = ::flock(cartella_.Numero(), LOCK_EX | LOCK_NB) == 0;
        if (!preso_ && (errno != EWOULDBLOCK || std::chrono::steady_clock::now() > limite)) {
            return;
        }
        if (!preso_) {
            std::this_thread::sleep_for(PAUSA);
        }
    }
}

BloccoCartella::~BloccoCartella() {
    if (preso_) {
        ::flock(cartella_.Numero(), LOCK_UN);
    }
}
