#include "profilo/descrittore.h"

#include <algorithm>
#include <cerrno>
#include <sys/types.h>
#include <unistd.h>

Descrittore::~Descrittore() {
    Chiudi();
}

Descrittore& Descrittore::operator=(Descrittore&& altro) noexcept {
    if (this != &altro) {
        Chiudi();
        numero_ = altro.numero_;
        altro.numero_ = -1;
    }
    return *this;
}

bool Descrittore::Chiudi() {
    if (numero_ < 0) {
        return true;
    }
    const int numero = numero_;
    numero_ = -1;
    return ::close(numero) == 0;
}

bool ScriviTutto(int descrittore, std::string_view contenuto, std::size_t posizione) {
    while (!contenuto.empty()) {
        const ssize_t scritti = ::pwrite(descrittore, contenuto.data(), contenuto.size(),
                                         static_cast<off_t>(posizione));
        if (scritti < 0 && errno == EINTR) {
            continue;
        }
        if (scritti <= 0) {
            return false;
        }
        contenuto.remove_prefix(static_cast<std::size_t>(scritti));
        posizione += static_cast<std::size_t>(scritti);
    }
    return true;
}

std::optional<std::string> LeggiTutto(int descrittore, std::size_t massimo) {
    constexpr std::size_t BLOCCO = 64 * 1024;
    std::string letto;
    for (;;) {
        const std::size_t prima = letto.size();
        const std::size_t richiesta = std::min(BLOCCO, massimo + 1 - prima);
        letto.resize(prima + richiesta);
        const ssize_t n =
            ::pread(descrittore, letto.data() + prima, richiesta, static_cast<off_t>(prima));
        if (n < 0 && errno == EINTR) {
            letto.resize(prima);
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        letto.resize(prima + static_cast<std::size_t>(n));
        if (letto.size() > massimo) {
            return std::nullopt;
        }
        if (n == 0) {
            return letto;
        }
    }
}
