#include "profilo/salvataggio.h"

#include "profilo/attesa_blocco.h"
#include "profilo/blocco_cartella.h"
#include "profilo/coda_ripristino.h"
#include "profilo/descrittore.h"
#include "profilo/file_ausiliari.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <sys/file.h>
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

// The file's inode and, where the file system keeps it, its birth time.
IdentitaFile LeggiIdentita(int descrittore) {
    IdentitaFile identita;
    struct statx stato {};
    if (::statx(descrittore, "", AT_EMPTY_PATH, STATX_INO | STATX_BTIME, &stato) == 0) {
        identita.inode = stato.stx_ino;
        identita.nascitaNota = (stato.stx_mask & STATX_BTIME) != 0;
        if (identita.nascitaNota) {
            identita.nascitaSecondi = stato.stx_btime.tv_sec;
            identita.nascitaNanosecondi = stato.stx_btime.tv_nsec;
        }
    }
    return identita;
}

struct Contenuto {
    std::string byte;
    bool daRimettere = false; // a save was cut short: the file must hold these bytes again
};

// What the file holds: its bytes, or what a save cut short in it must leave there again.
// Nothing when it cannot be read or is beyond the size limit; a file with the tail of a
// save in place may go beyond it by the tail.
std::optional<Contenuto> LeggiContenuto(const Aperto& file) {
    const std::size_t massimo = DimensioneMassimaConCoda(DIMENSIONE_MASSIMA_FILE);
    if (static_cast<std::uintmax_t>(file.stato.st_size) > massimo) {
        return std::nullopt;
    }
    auto byte = LeggiTutto(file.file.Numero(), massimo);
    if (!byte) {
        return std::nullopt;
    }
    if (auto contenuto = ContenutoDaRipristinare(*byte, LeggiIdentita(file.file.Numero()))) {
        return Contenuto{std::move(*contenuto), true};
    }
    if (byte->size() > DIMENSIONE_MASSIMA_FILE) {
        return std::nullopt;
    }
    return Contenuto{std::move(*byte), false};
}

// The file's content, put back into it first when a save was cut short there; nothing
// when it cannot be read or put back. Only under the file's exclusive lock.
std::optional<std::string> LeggiERimetti(const Aperto& file) {
    auto contenuto = LeggiContenuto(file);
    if (!contenuto ||
        (contenuto->daRimettere && !ScriviFile(file.file.Numero(), contenuto->byte))) {
        return std::nullopt;
    }
    return std::move(contenuto->byte);
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

// The new bytes written into the file itself, for a file that a new one could not stand in
// for. A copy of the old bytes goes first to the end of the file, as a tail (see
// coda_ripristino.h), and goes in the same step that completes the save.
//
// Why in the file, and not in a backup file beside it: a backup beside the file is seen
// only through the name it was made for, so a save through another link undid nothing and
// the next load through the first name undid that save; it could meet a later file that
// took the same inode number; and in a sticky shared folder (such as root:team 3775) it
// belongs to whoever saved, so that the file's owner can neither remove nor replace it.
// The tail lives and dies with the file itself: every name reaches it, nothing but this
// file carries it, and whoever may write the file may put it right or remove it, which is
// exactly who may save it. Nor does a save in place need to create anything in the folder.
bool ScriviSulPosto(int numero, std::string_view vecchi, std::string_view nuovi) {
    const CodaRipristino coda = ComponiCoda(LeggiIdentita(numero), vecchi, nuovi);
    if (!ScriviTutto(numero, coda.chiusura, vecchi.size() + coda.corpo.size()) ||
        !ScriviTutto(numero, coda.corpo, vecchi.size()) || !Sincronizza(numero)) {
        // The old bytes are still in place before whatever part of the tail was written.
        [[maybe_unused]] const int tagliato =
            ::ftruncate(numero, static_cast<off_t>(vecchi.size()));
        return false;
    }
    // The new bytes on disk before the tail goes, since cutting it off completes the save.
    if (ScriviTutto(numero, nuovi, 0) && Sincronizza(numero) &&
        ::ftruncate(numero, static_cast<off_t>(nuovi.size())) == 0 && Sincronizza(numero)) {
        return true;
    }
    // When even this fails, the tail stays and the next load or save puts the old bytes back.
    ScriviFile(numero, vecchi);
    return false;
}

} // namespace

ContenutoFile LeggiContenutoFile(const std::filesystem::path& file) {
    const auto bersaglio = TrovaBersaglio(file);
    if (!bersaglio) {
        return {};
    }
    const auto limite = std::chrono::steady_clock::now() + ATTESA_BLOCCO;
    // Without the lock (a folder that cannot be listed) the file is still read.
    const BloccoCartella blocco(bersaglio->cartella, limite);
    const int cartella = blocco.Cartella() >= 0 ? blocco.Cartella() : AT_FDCWD;
    const std::string nome =
        blocco.Cartella() >= 0 ? bersaglio->nome : (bersaglio->cartella / bersaglio->nome).string();
    auto aperto = ApriRegolare(cartella, nome, O_RDONLY);
    if (!aperto) {
        return {errno == ENOENT ? StatoLettura::Assente : StatoLettura::Errore, {}};
    }
    // Against a save through a name of the file in another folder; read also without it.
    PrendiBlocco(aperto->file.Numero(), LOCK_SH, limite);
    auto contenuto = LeggiContenuto(*aperto);
    if (!contenuto) {
        return {};
    }
    if (contenuto->daRimettere && blocco.Preso()) {
        // Put back when this user may write the file; read as put back either way.
        aperto.reset();
        auto scrivibile = ApriRegolare(cartella, nome, O_RDWR);
        if (scrivibile && PrendiBlocco(scrivibile->file.Numero(), LOCK_EX, limite)) {
            if (auto rimesso = LeggiERimetti(*scrivibile)) {
                return {StatoLettura::Letto, std::move(*rimesso)};
            }
        }
    }
    return {StatoLettura::Letto, std::move(contenuto->byte)};
}

bool ModificaContenutoFile(const std::filesystem::path& file, const Modifica& modifica) {
    const auto bersaglio = TrovaBersaglio(file);
    if (!bersaglio) {
        return false;
    }
    const auto limite = std::chrono::steady_clock::now() + ATTESA_BLOCCO;
    const BloccoCartella blocco(bersaglio->cartella, limite);
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
        !PrendiBlocco(aperto->file.Numero(), LOCK_EX, limite)) {
        return false;
    }
    const auto vecchi = LeggiERimetti(*aperto);
    const auto nuovi = vecchi ? modifica(*vecchi) : std::nullopt;
    // Refused beforehand, so that no save makes a file that could not be read again.
    if (!nuovi || nuovi->size() > DIMENSIONE_MASSIMA_FILE) {
        return false;
    }
    if (SostituibileConRinomina(*aperto)) {
        return SostituisciConRinomina(cartella, *bersaglio, *nuovi, &*aperto);
    }
    return ScriviSulPosto(aperto->file.Numero(), *vecchi, *nuovi);
}
