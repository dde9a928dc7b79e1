#include "profilo/salvataggio.h"

#include "profilo/attesa_blocco.h"
#include "profilo/blocco_cartella.h"
#include "profilo/descrittore.h"
#include "profilo/file_ausiliari.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

// Never blocks on a FIFO or a device swapped in for the file.
constexpr int APERTURA = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
constexpr mode_t PERMESSI_NUOVO_FILE = 0666;
constexpr mode_t PERMESSI_PRIVATI = 0600;

// The file a path names, split into its folder and its name; a link is followed.
struct Bersaglio {
    std::filesystem::path cartella;
    std::string nome;
};

std::optional<Bersaglio> TrovaBersaglio(const std::filesystem::path& file) {
    std::filesystem::path reale = file;
    struct stat collegamento {};
    if (::lstat(file.c_str(), &collegamento) == 0 && S_ISLNK(collegamento.st_mode)) {
        std::error_code errore;
        reale = std::filesystem::canonical(file, errore);
        if (errore) {
            return std::nullopt;
        }
    }
    if (reale.empty() || !reale.has_filename()) {
        return std::nullopt;
    }
    const std::filesystem::path cartella = reale.parent_path();
    return Bersaglio{cartella.empty() ? std::filesystem::path(".") : cartella,
                     reale.filename().string()};
}

struct Aperto {
    Descrittore file;
    struct stat stato {};
};

// The file open as asked, only if it is a regular file; errno tells why not.
std::optional<Aperto> ApriRegolare(int cartella, const std::string& nome, int modo) {
    Aperto aperto{Descrittore(::openat(cartella, nome.c_str(), modo | APERTURA)), {}};
    if (!aperto.file.Aperto()) {
        return std::nullopt;
    }
    if (::fstat(aperto.file.Numero(), &aperto.stato) != 0 || !S_ISREG(aperto.stato.st_mode)) {
        errno = EINVAL;
        return std::nullopt;
    }
    return aperto;
}

bool Sincronizza(int descrittore) {
    return ::fsync(descrittore) == 0;
}

bool ScriviFile(int descrittore, std::string_view contenuto) {
    return ScriviTutto(descrittore, contenuto, 0) &&
           ::ftruncate(descrittore, static_cast<off_t>(contenuto.size())) == 0 &&
           Sincronizza(descrittore);
}

// The backup a killed save left for this file, if any: its bytes.
std::optional<std::string> LeggiCopia(int cartella, const Bersaglio& bersaglio, ino_t inode) {
    const auto copia =
        ApriRegolare(cartella, NomeCopia(bersaglio.nome, inode), O_RDONLY | O_NOFOLLOW);
    if (!copia) {
        return std::nullopt;
    }
    return LeggiTutto(copia->file.Numero(), DIMENSIONE_MASSIMA_FILE);
}

// Puts the backup's bytes back into the file and then removes the backup.
bool RipristinaCopia(int cartella, const Bersaglio& bersaglio, const Aperto& file,
                     std::string_view vecchi) {
    if (!ScriviFile(file.file.Numero(), vecchi)) {
        return false;
    }
    ::unlinkat(cartella, NomeCopia(bersaglio.nome, file.stato.st_ino).c_str(), 0);
    return true;
}

bool NelGruppo(gid_t gruppo) {
    if (gruppo == ::getegid()) {
        return true;
    }
    const int quanti = ::getgroups(0, nullptr);
    std::vector<gid_t> gruppi(static_cast<std::size_t>(std::max(quanti, 0)));
    const int letti = ::getgroups(quanti, gruppi.data());
    return letti >= 0 &&
           std::find(gruppi.begin(), gruppi.begin() + letti, gruppo) != gruppi.begin() + letti;
}

// Whether a new file put in place by rename can be the old one in all but its bytes.
bool SostituibileConRinomina(const Aperto& file) {
    const uid_t utente = ::geteuid();
    const bool proprietario =
        utente == 0 || (file.stato.st_uid == utente && NelGruppo(file.stato.st_gid));
    return proprietario && file.stato.st_nlink == 1 &&
           ::flistxattr(file.file.Numero(), nullptr, 0) <= 0;
}

// The new bytes in a temporary that then takes the file's place: the atomic replacement.
bool SostituisciConRinomina(int cartella, const Bersaglio& bersaglio, std::string_view nuovi,
                            const Aperto* vecchio) {
    auto temporaneo =
        CreaTemporaneo(cartella, vecchio != nullptr ? PERMESSI_PRIVATI : PERMESSI_NUOVO_FILE);
    if (!temporaneo) {
        return false;
    }
    const int numero = temporaneo->file.Numero();
    bool riuscito = ScriviTutto(numero, nuovi, 0);
    if (riuscito && vecchio != nullptr) {
        struct stat nuovo {};
        riuscito = ::fstat(numero, &nuovo) == 0;
        if (riuscito &&
            (nuovo.st_uid != vecchio->stato.st_uid || nuovo.st_gid != vecchio->stato.st_gid)) {
            riuscito = ::fchown(numero, vecchio->stato.st_uid, vecchio->stato.st_gid) == 0;
        }
        riuscito = riuscito && ::fchmod(numero, vecchio->stato.st_mode & 07777) == 0;
    }
    riuscito = riuscito && Sincronizza(numero);
    riuscito = temporaneo->file.Chiudi() && riuscito;
    riuscito = riuscito && ::renameat(cartella, temporaneo->nome.c_str(), cartella,
                                      bersaglio.nome.c_str()) == 0;
    if (!riuscito) {
        ::unlinkat(cartella, temporaneo->nome.c_str(), 0);
        return false;
    }
    Sincronizza(cartella);
    return true;
}

// The old bytes to a backup beside the file, the new bytes into the file itself, the
// backup removed once they are on disk. A write that fails puts the old bytes back.
bool ScriviSulPosto(int cartella, const Bersaglio& bersaglio, const Aperto& file,
                    std::string_view vecchi, std::string_view nuovi) {
    auto temporaneo = CreaTemporaneo(cartella, PERMESSI_PRIVATI);
    if (!temporaneo) {
        return false;
    }
    const int numero = temporaneo->file.Numero();
    // The backup may be read by whoever may read the file.
    [[maybe_unused]] const int gruppo = ::fchown(numero, static_cast<uid_t>(-1), file.stato.st_gid);
    const std::string copia = NomeCopia(bersaglio.nome, file.stato.st_ino);
    bool riuscito = ScriviTutto(numero, vecchi, 0) &&
                    ::fchmod(numero, file.stato.st_mode & 0666) == 0 && Sincronizza(numero);
    riuscito = temporaneo->file.Chiudi() && riuscito;
    riuscito =
        riuscito && ::renameat(cartella, temporaneo->nome.c_str(), cartella, copia.c_str()) == 0;
    if (!riuscito) {
        ::unlinkat(cartella, temporaneo->nome.c_str(), 0);
        return false;
    }
    Sincronizza(cartella);
    if (!ScriviFile(file.file.Numero(), nuovi)) {
        // Kept when even this fails: the next load or save puts the old bytes back.
        if (ScriviFile(file.file.Numero(), vecchi)) {
            ::unlinkat(cartella, copia.c_str(), 0);
        }
        return false;
    }
    ::unlinkat(cartella, copia.c_str(), 0);
    return true;
}

} // namespace

ContenutoFile LeggiContenutoFile(const std::filesystem::path& file) {
    const auto bersaglio = TrovaBersaglio(file);
    if (!bersaglio) {
        return {};
    }
    // Without the lock (a folder that cannot be listed) the file is still read.
    const BloccoCartella blocco(bersaglio->cartella,
                                std::chrono::steady_clock::now() + ATTESA_BLOCCO);
    const int cartella = blocco.Cartella() >= 0 ? blocco.Cartella() : AT_FDCWD;
    const std::string nome =
        blocco.Cartella() >= 0 ? bersaglio->nome : (bersaglio->cartella / bersaglio->nome).string();
    auto aperto = ApriRegolare(cartella, nome, O_RDONLY);
    if (!aperto) {
        return {errno == ENOENT ? StatoLettura::Assente : StatoLettura::Errore, {}};
    }
    if (static_cast<std::uintmax_t>(aperto->stato.st_size) > DIMENSIONE_MASSIMA_FILE) {
        return {};
    }
    if (blocco.Preso()) {
        if (auto vecchi = LeggiCopia(cartella, *bersaglio, aperto->stato.st_ino)) {
            // Put back when this user may write the file; read from the backup either way.
            if (auto scrivibile = ApriRegolare(cartella, nome, O_RDWR)) {
                RipristinaCopia(cartella, *bersaglio, *scrivibile, *vecchi);
            }
            return {StatoLettura::Letto, std::move(*vecchi)};
        }
    }
    auto byte = LeggiTutto(aperto->file.Numero(), DIMENSIONE_MASSIMA_FILE);
    if (!byte) {
        return {};
    }
    return {StatoLettura::Letto, std::move(*byte)};
}

bool ModificaContenutoFile(const std::filesystem::path& file, const Modifica& modifica) {
    const auto bersaglio = TrovaBersaglio(file);
    if (!bersaglio) {
        return false;
    }
    const BloccoCartella blocco(bersaglio->cartella,
                                std::chrono::steady_clock::now() + ATTESA_BLOCCO);
    if (!blocco.Preso()) {
        return false;
    }
    const int cartella = blocco.Cartella();
    RimuoviTemporanei(cartella);

    auto aperto = ApriRegolare(cartella, bersaglio->nome, O_RDWR);
    if (!aperto) {
        if (errno != ENOENT) {
            return false;
        }
        const auto nuovi = modifica({});
        return nuovi && nuovi->size() <= DIMENSIONE_MASSIMA_FILE &&
               SostituisciConRinomina(cartella, *bersaglio, *nuovi, nullptr);
    }
    // A file without any write permission bit is read-only also for a user whose
    // privileges would let a plain write through.
    if ((aperto->stato.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        static_cast<std::uintmax_t>(aperto->stato.st_size) > DIMENSIONE_MASSIMA_FILE) {
        return false;
    }
    std::optional<std::string> vecchi = LeggiCopia(cartella, *bersaglio, aperto->stato.st_ino);
    if (vecchi) {
        if (!RipristinaCopia(cartella, *bersaglio, *aperto, *vecchi)) {
            return false;
        }
    } else {
        vecchi = LeggiTutto(aperto->file.Numero(), DIMENSIONE_MASSIMA_FILE);
    }
    const auto nuovi = vecchi ? modifica(*vecchi) : std::nullopt;
    // Refused beforehand, so that no save makes a file that could not be read again.
    if (!nuovi || nuovi->size() > DIMENSIONE_MASSIMA_FILE) {
        return false;
    }
    if (SostituibileConRinomina(*aperto)) {
        return SostituisciConRinomina(cartella, *bersaglio, *nuovi, &*aperto);
    }
    return ScriviSulPosto(cartella, *bersaglio, *aperto, *vecchi, *nuovi);
}
