// POSIX half of SostituisciContenutoFile.
#include "contenuto_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool ScriviTutto(int descrittore, std::string_view contenuto) {
    while (!contenuto.empty()) {
        const ssize_t scritti = ::write(descrittore, contenuto.data(), contenuto.size());
        if (scritti < 0 && errno == EINTR) {
            continue;
        }
        if (scritti <= 0) {
            return false;
        }
        contenuto.remove_prefix(static_cast<std::size_t>(scritti));
    }
    return true;
}

// Makes the rename itself durable; the new content is already in place without it.
void SincronizzaCartella(const std::filesystem::path& cartella) {
    const int descrittore = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descrittore >= 0) {
        ::fsync(descrittore);
        ::close(descrittore);
    }
}

// Write access as the file itself grants it. A file without any write permission bit counts
// as read-only also for a user whose privileges would let a plain write through.
bool FileScrivibile(const std::filesystem::path& file, const struct stat& stato) {
    if ((stato.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return false;
    }
    const int descrittore = ::open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descrittore < 0) {
        return false;
    }
    ::close(descrittore);
    return true;
}

} // namespace

bool SostituisciContenutoFile(const std::filesystem::path& file, std::string_view contenuto) {
    // A link stays a link: the file it points to is the one replaced.
    struct stat collegamento {};
    std::filesystem::path bersaglio = file;
    if (::lstat(file.c_str(), &collegamento) == 0 && S_ISLNK(collegamento.st_mode)) {
        std::error_code errore;
        bersaglio = std::filesystem::canonical(file, errore);
        if (errore) {
            return false;
        }
    }
    if (bersaglio.empty() || !bersaglio.has_filename()) {
        return false;
    }

    struct stat esistente {};
    const bool esiste = ::stat(bersaglio.c_str(), &esistente) == 0;
    if (!esiste && errno != ENOENT) {
        return false;
    }
    if (esiste && (!S_ISREG(esistente.st_mode) || !FileScrivibile(bersaglio, esistente))) {
        return false;
    }

    const std::filesystem::path temporaneo = NomeTemporaneo(bersaglio);
    ::unlink(temporaneo.c_str());
    // Private until it has the file's permissions; a new file gets the usual 0666 & ~umask.
    const int descrittore =
        ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
               esiste ? S_IRUSR | S_IWUSR : 0666);
    if (descrittore < 0) {
        return false;
    }
    bool riuscito = ScriviTutto(descrittore, contenuto);
    if (riuscito && esiste) {
        if (esistente.st_uid != ::geteuid() || esistente.st_gid != ::getegid()) {
            // Only a privileged user may give the file back to its owner; others keep theirs.
            [[maybe_unused]] const int proprietario =
                ::fchown(descrittore, esistente.st_uid, esistente.st_gid);
        }
        riuscito = ::fchmod(descrittore, esistente.st_mode & 07777) == 0;
    }
    riuscito = riuscito && ::fsync(descrittore) == 0;
    riuscito = (::close(descrittore) == 0) && riuscito;
    riuscito = riuscito && ::rename(temporaneo.c_str(), bersaglio.c_str()) == 0;
    if (!riuscito) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    SincronizzaCartella(bersaglio.parent_path().empty() ? std::filesystem::path(".")
                                                        : bersaglio.parent_path());
    return true;
}
