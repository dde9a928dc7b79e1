#include "profilo/file_ausiliari.h"

#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <unistd.h>

namespace {

constexpr std::string_view PREFISSO = ".brevanto-";
constexpr std::string_view SUFFISSO_TEMPORANEO = ".tmp";
constexpr std::string_view SUFFISSO_ANTICO = ".brevanto-tmp";
constexpr std::size_t CIFRE_TEMPORANEO = 8;
constexpr int TENTATIVI = 100;

std::string Esadecimale(std::uint64_t numero, std::size_t cifre) {
    constexpr std::string_view CIFRE = "0123456789abcdef";
    std::string testo(cifre, '0');
    for (std::size_t i = cifre; i-- > 0; numero >>= 4U) {
        testo[i] = CIFRE[numero & 0xFU];
    }
    return testo;
}

bool ETemporaneo(std::string_view nome) {
    if (nome.starts_with('.') && nome.ends_with(SUFFISSO_ANTICO) &&
        nome.size() > SUFFISSO_ANTICO.size() + 1) {
        return true;
    }
    if (nome.size() != PREFISSO.size() + CIFRE_TEMPORANEO + SUFFISSO_TEMPORANEO.size() ||
        !nome.starts_with(PREFISSO) || !nome.ends_with(SUFFISSO_TEMPORANEO)) {
        return false;
    }
    const std::string_view cifre = nome.substr(PREFISSO.size(), CIFRE_TEMPORANEO);
    return cifre.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

} // namespace

std::optional<Temporaneo> CreaTemporaneo(int cartella, mode_t permessi) {
    thread_local std::mt19937_64 caso{std::random_device{}()};
    for (int tentativo = 0; tentativo < TENTATIVI; ++tentativo) {
        Temporaneo temporaneo;
        temporaneo.nome = PREFISSO;
        temporaneo.nome += Esadecimale(caso(), CIFRE_TEMPORANEO);
        temporaneo.nome += SUFFISSO_TEMPORANEO;
        temporaneo.file =
            Descrittore(::openat(cartella, temporaneo.nome.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, permessi));
        if (temporaneo.file.Aperto()) {
            return temporaneo;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void RimuoviTemporanei(int cartella) {
    const int copia = ::fcntl(cartella, F_DUPFD_CLOEXEC, 0);
    DIR* elenco = copia < 0 ? nullptr : ::fdopendir(copia);
    if (elenco == nullptr) {
        if (copia >= 0) {
            ::close(copia);
        }
        return;
    }
    ::rewinddir(elenco);
    while (const dirent* voce = ::readdir(elenco)) {
        if (ETemporaneo(voce->d_name)) {
            ::unlinkat(cartella, voce->d_name, 0);
        }
    }
    ::closedir(elenco);
}
