// Saves under stress, counted rather than timed. Two trials:
//
//   sforzo_salvataggi blocco [processes=4] [seconds=60] [folder]
//       The processes save into one file in a tight loop, each its own section; every
//       save must land within the lock's wait, and none may undo another's.
//
//   sforzo_salvataggi uccisioni [kills per save path=400] [folder]
//       Saves killed at random instants on every save path (replacement of an existing
//       file, a new file, in place for a hard link, for an extended attribute, for another
//       user's file). After each kill the file is looked at as it was left, then either
//       loaded, or saved anew by another road (the other name of the link, or deleted and
//       made again, when the inode number may come back): a load must give the save that
//       completed last or the one that was killed, and the later save must stay.
//       Columns: torn, kills that left a save half done (its copy of the old bytes in the
//       file or beside it, or bytes that are neither content); restored, of those, the
//       ones the next load or save set right; older, loads that gave a save older than the
//       last one that completed; undone, later saves undone; stays, files still half done
//       after a load; failed, saves that reported failure; shape, owner, permissions,
//       links or attribute changed, or a load that added or removed a file; left, files of
//       the saves left after the last save.
//
// Prints what it counted; exits with 1 when any save failed or anything was undone. The
// folder defaults to the system's temporary folder; give /dev/shm for tmpfs.
#include "profilo/profilo.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Orologio = std::chrono::steady_clock;

std::string Leggi(const fs::path& file) {
    std::ifstream ingresso(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ingresso), {});
}

void Scrivi(const fs::path& file, const std::string& testo) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << testo;
}

fs::path CartellaNuova(const fs::path& base, const char* nome) {
    std::string modello = (base / (std::string(nome) + "_XXXXXX")).string();
    if (::mkdtemp(modello.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    fs::permissions(modello, fs::perms(0755));
    return modello;
}

bool LeggiTuttoDa(int tubo, void* dati, std::size_t quanti) {
    auto* punto = static_cast<char*>(dati);
    while (quanti > 0) {
        const ssize_t n = ::read(tubo, punto, quanti);
        if (n <= 0) {
            return false;
        }
        punto += n;
        quanti -= static_cast<std::size_t>(n);
    }
    return true;
}

// ---- The lock under steady contention.

struct Conto {
    long fatti = 0;
    long falliti = 0;
    long persi = 0;
    long millisecondiMassimi = 0;
};

int Blocco(int processi, int secondi, const fs::path& base) {
    const fs::path cartella = CartellaNuova(base, "sforzo_blocco");
    const fs::path file = cartella / "p.ntc";
    Scrivi(file, "; comune\r\n");
    int tubo[2];
    if (::pipe(tubo) != 0) {
        return 2;
    }
    const auto fine = Orologio::now() + std::chrono::seconds(secondi);
    for (int processo = 0; processo < processi; ++processo) {
        if (::fork() == 0) {
            ::close(tubo[0]);
            const std::string sezione = "P" + std::to_string(processo);
            Conto conto;
            long ultimo = 0;
            while (Orologio::now() < fine) {
                const auto inizio = Orologio::now();
                const bool riuscito =
                    ScriviVociProfilo(file, {{{sezione, "N", std::to_string(ultimo + 1)}}});
                const auto durata =
                    std::chrono::duration_cast<std::chrono::milliseconds>(Orologio::now() - inizio)
                        .count();
                conto.millisecondiMassimi = std::max<long>(conto.millisecondiMassimi, durata);
                if (riuscito) {
                    ++ultimo;
                    ++conto.fatti;
                } else {
                    ++conto.falliti;
                }
            }
            const auto letto = LeggiFileProfilo(file).profilo.Valore(sezione, "N");
            conto.persi = letto == std::to_string(ultimo) ? 0 : 1;
            (void)!::write(tubo[1], &conto, sizeof conto);
            ::_exit(0);
        }
    }
    ::close(tubo[1]);
    Conto totale;
    for (int processo = 0; processo < processi; ++processo) {
        Conto conto;
        if (!LeggiTuttoDa(tubo[0], &conto, sizeof conto)) {
            ++totale.falliti;
            continue;
        }
        std::printf("process %d: %ld saves, %ld failed, longest %ld ms%s\n", processo, conto.fatti,
                    conto.falliti, conto.millisecondiMassimi,
                    conto.persi != 0 ? ", its last save LOST" : "");
        totale.fatti += conto.fatti;
        totale.falliti += conto.falliti;
        totale.persi += conto.persi;
        totale.millisecondiMassimi =
            std::max(totale.millisecondiMassimi, conto.millisecondiMassimi);
    }
    while (::wait(nullptr) > 0) {
    }
    ::close(tubo[0]);
    std::printf("lock: %d processes x %d s in %s: %ld saves, %ld failed, %ld lost, longest "
                "%ld ms\n",
                processi, secondi, base.c_str(), totale.fatti, totale.falliti, totale.persi,
                totale.millisecondiMassimi);
    fs::remove_all(cartella);
    return totale.falliti == 0 && totale.persi == 0 ? 0 : 1;
}

// ---- Kills on every save path.

constexpr uid_t PROPRIETARIO = 47201;
constexpr uid_t COMPAGNO = 47202;
constexpr gid_t SQUADRA = 47200;

enum class Percorso { Rinomina, Nuovo, Collegamento, Attributo, AltroUtente };

struct Scenario {
    Percorso percorso;
    const char* nome;
};

const Scenario SCENARI[] = {
    {Percorso::Rinomina, "replace (rename)"},
    {Percorso::Nuovo, "new file (rename)"},
    {Percorso::Collegamento, "in place, hard link in another folder"},
    {Percorso::Attributo, "in place, extended attribute"},
    {Percorso::AltroUtente, "in place, another user's file"},
};

// Some 10 KiB of comments after the values: a value that changes length moves every
// byte after it, so a write cut between pages leaves a file that is neither.
const std::string CODA = [] {
    std::string coda;
    for (int riga = 0; riga < 160; ++riga) {
        coda += "; riga di commento " + std::to_string(riga) +
                " ..................................\r\n";
    }
    return coda;
}();

std::string ValoreB(long giro) {
    return giro % 2 == 0 ? "3950" : "3950000000";
}

// What a save of that turn leaves: a new file holds the two values only.
std::string Contenuto(long giro, bool conCommenti = true) {
    return "[NTC]\r\nR0=" + std::to_string(giro) + "\r\nB=" + ValoreB(giro) + "\r\n" +
           (conCommenti ? CODA : "");
}

std::vector<VoceProfilo> Voci(long giro) {
    return {{"NTC", "R0", std::to_string(giro)}, {"NTC", "B", ValoreB(giro)}};
}

struct Banco {
    fs::path cartella;
    fs::path file;
    fs::path altroNome; // the second link, in a folder of its own
};

// The file as the path needs it: its attribute, its owner, its second link.
bool Prepara(const Scenario& scenario, const Banco& banco) {
    if (scenario.percorso == Percorso::Attributo &&
        ::setxattr(banco.file.c_str(), "user.brevanto", "1", 1, 0) != 0) {
        return false;
    }
    if (scenario.percorso == Percorso::AltroUtente &&
        (::chown(banco.file.c_str(), PROPRIETARIO, SQUADRA) != 0 ||
         ::chmod(banco.file.c_str(), 0660) != 0)) {
        return false;
    }
    if (scenario.percorso == Percorso::Collegamento && !fs::exists(banco.altroNome)) {
        std::error_code errore;
        fs::create_hard_link(banco.file, banco.altroNome, errore);
        return !errore;
    }
    return true;
}

struct Misura {
    long uccisioni = 0;
    long strappati = 0;  // left a backup, or neither the one content nor the other
    long rimessi = 0;    // of those, set right by the next load
    long sbagliati = 0;  // a load gave a save older than the last that completed
    long annullati = 0;  // a later save was undone
    long nonRimessi = 0; // still neither after a load
    long falliti = 0;    // saves that reported failure
    long alterati = 0;   // owner, permissions, links, attribute or the folder's files changed
    long avanzi = 0;     // files of the save left beside it after the next save
};

bool FormaIntatta(const Scenario& scenario, const Banco& banco) {
    struct stat stato {};
    if (::stat(banco.file.c_str(), &stato) != 0) {
        return false;
    }
    switch (scenario.percorso) {
    case Percorso::Collegamento:
        return stato.st_nlink == 2;
    case Percorso::Attributo:
        return ::getxattr(banco.file.c_str(), "user.brevanto", nullptr, 0) == 1;
    case Percorso::AltroUtente:
        return stato.st_uid == PROPRIETARIO && stato.st_gid == SQUADRA &&
               (stato.st_mode & 07777) == 0660;
    default:
        return stato.st_nlink == 1;
    }
}

// One child saving from giro onward until killed, reporting each save that landed
// (negative: one that failed).
pid_t Salvatore(const Scenario& scenario, const Banco& banco, long giro, int tubo) {
    const pid_t figlio = ::fork();
    if (figlio != 0) {
        return figlio;
    }
    if (scenario.percorso == Percorso::AltroUtente) {
        const gid_t gruppi[] = {SQUADRA};
        if (::setgroups(1, gruppi) != 0 || ::setresgid(COMPAGNO, COMPAGNO, COMPAGNO) != 0 ||
            ::setresuid(COMPAGNO, COMPAGNO, COMPAGNO) != 0) {
            ::_exit(2);
        }
    }
    for (;; ++giro) {
        if (scenario.percorso == Percorso::Nuovo) {
            ::unlink(banco.file.c_str());
        }
        const long esito = ScriviVociProfilo(banco.file, Voci(giro)) ? giro : -giro;
        (void)!::write(tubo, &esito, sizeof esito);
    }
}

long UltimoRiportato(int tubo, Misura& misura) {
    long ultimo = -1;
    long esito = 0;
    while (::read(tubo, &esito, sizeof esito) == static_cast<ssize_t>(sizeof esito)) {
        if (esito < 0) {
            ++misura.falliti;
        } else {
            ultimo = esito;
        }
    }
    return ultimo;
}

long Elementi(const fs::path& cartella) {
    return static_cast<long>(std::distance(fs::directory_iterator(cartella), {}));
}

long Avanzi(const fs::path& cartella, std::string_view suffisso = "") {
    long avanzi = 0;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        const std::string nome = voce.path().filename().string();
        avanzi += nome.starts_with(".brevanto-") && nome.ends_with(suffisso) ? 1 : 0;
    }
    return avanzi;
}

Misura UccidiSuUnPercorso(const Scenario& scenario, int quante, const fs::path& base) {
    Misura misura;
    Banco banco;
    banco.cartella = CartellaNuova(base, "sforzo_uccisioni");
    banco.file = banco.cartella / "p.ntc";
    const fs::path altra = CartellaNuova(base, "sforzo_collegamento");
    banco.altroNome = altra / "q.ntc";
    if (scenario.percorso == Percorso::AltroUtente &&
        (::chown(banco.cartella.c_str(), 0, SQUADRA) != 0 ||
         ::chmod(banco.cartella.c_str(), 03775) != 0)) {
        std::printf("%s: cannot make the team folder (run as root)\n", scenario.nome);
        misura.falliti = 1;
        return misura;
    }
    Scrivi(banco.file, Contenuto(0));
    if (!Prepara(scenario, banco)) {
        std::printf("%s: not possible here\n", scenario.nome);
        fs::remove_all(banco.cartella);
        fs::remove_all(altra);
        return misura;
    }
    long giro = 1;
    unsigned seme = 20260101;
    for (int uccisione = 0; uccisione < quante; ++uccisione) {
        int tubo[2];
        if (::pipe2(tubo, O_CLOEXEC) != 0) {
            break;
        }
        const pid_t figlio = Salvatore(scenario, banco, giro, tubo[1]);
        ::close(tubo[1]);
        // The kill lands after the first save, however slowly that one ran.
        long primo = 0;
        if (!LeggiTuttoDa(tubo[0], &primo, sizeof primo)) {
            std::printf("%s: the saver did not start\n", scenario.nome);
            ::close(tubo[0]);
            misura.falliti += 1;
            break;
        }
        seme = seme * 1103515245U + 12345U;
        ::usleep(seme % 8000U);
        ::kill(figlio, SIGKILL);
        ::waitpid(figlio, nullptr, 0);
        ::fcntl(tubo[0], F_SETFL, O_NONBLOCK);
        const long ultimo = std::max(primo < 0 ? -1 : primo, UltimoRiportato(tubo[0], misura));
        if (primo < 0) {
            ++misura.falliti;
        }
        ::close(tubo[0]);
        ++misura.uccisioni;
        // Landed last, or being written when killed.
        const long landed = ultimo >= 0 ? ultimo : giro - 1;
        const bool nuovo = scenario.percorso == Percorso::Nuovo;
        const std::string lasciato = Leggi(banco.file);
        const bool strappato =
            Avanzi(banco.cartella, ".bak") > 0 ||
            (lasciato != Contenuto(landed, !nuovo) && lasciato != Contenuto(landed + 1, !nuovo) &&
             !(nuovo && !fs::exists(banco.file)));
        misura.strappati += strappato ? 1 : 0;

        if (uccisione % 4 == 3) {
            // A later save by another road, which must stay.
            const long dopo = landed + 2;
            if (scenario.percorso == Percorso::Collegamento) {
                misura.falliti += ScriviVociProfilo(banco.altroNome, Voci(dopo)) ? 0 : 1;
            } else {
                fs::remove(banco.file);
                misura.falliti += ScriviVociProfilo(banco.file, Voci(dopo)) ? 0 : 1;
                if (scenario.percorso != Percorso::Nuovo) {
                    Scrivi(banco.file, Contenuto(dopo)); // the same inode, refilled
                    Prepara(scenario, banco);
                }
            }
            const auto r0 = LeggiFileProfilo(banco.file).profilo.Valore("NTC", "R0");
            const bool rimasto =
                r0 == std::to_string(dopo) && Leggi(banco.file) == Contenuto(dopo, !nuovo);
            misura.annullati += rimasto ? 0 : 1;
            misura.rimessi += strappato && rimasto ? 1 : 0;
            giro = dopo + 1;
        } else {
            const long elementiPrima = Elementi(banco.cartella);
            const auto r0 = LeggiFileProfilo(banco.file).profilo.Valore("NTC", "R0");
            misura.alterati += Elementi(banco.cartella) == elementiPrima ? 0 : 1;
            const bool assente = nuovo && !fs::exists(banco.file);
            const bool atteso =
                assente ? !r0.has_value()
                        : r0 == std::to_string(landed) || r0 == std::to_string(landed + 1);
            misura.sbagliati += atteso ? 0 : 1;
            const std::string dopoLettura = Leggi(banco.file);
            const bool pulito = assente || dopoLettura == Contenuto(landed, !nuovo) ||
                                dopoLettura == Contenuto(landed + 1, !nuovo);
            misura.nonRimessi += pulito ? 0 : 1;
            misura.rimessi += strappato && pulito && Avanzi(banco.cartella, ".bak") == 0 ? 1 : 0;
            giro = (r0 ? std::atol(r0->c_str()) : landed) + 1;
            if (assente) {
                Scrivi(banco.file, Contenuto(giro - 1, false));
            }
        }
        if (!nuovo && !FormaIntatta(scenario, banco)) {
            ++misura.alterati;
            Prepara(scenario, banco);
        }
    }
    // The next save cleans what the killed ones left.
    misura.falliti += ScriviVociProfilo(banco.file, Voci(giro)) ? 0 : 1;
    misura.avanzi = Avanzi(banco.cartella) + Avanzi(altra);
    fs::remove_all(banco.cartella);
    fs::remove_all(altra);
    return misura;
}

int Uccisioni(int quante, const fs::path& base) {
    bool bene = true;
    std::printf("kills in %s, %d per path\n", base.c_str(), quante);
    std::printf("%-40s %6s %6s %8s %6s %6s %6s %6s %6s %6s\n", "path", "kills", "torn", "restored",
                "older", "undone", "stays", "failed", "shape", "left");
    for (const Scenario& scenario : SCENARI) {
        if (scenario.percorso == Percorso::AltroUtente && ::geteuid() != 0) {
            std::printf("%-40s (needs root)\n", scenario.nome);
            continue;
        }
        const Misura m = UccidiSuUnPercorso(scenario, quante, base);
        std::printf("%-40s %6ld %6ld %8ld %6ld %6ld %6ld %6ld %6ld %6ld\n", scenario.nome,
                    m.uccisioni, m.strappati, m.rimessi, m.sbagliati, m.annullati, m.nonRimessi,
                    m.falliti, m.alterati, m.avanzi);
        bene = bene && m.sbagliati == 0 && m.annullati == 0 && m.nonRimessi == 0 &&
               m.falliti == 0 && m.alterati == 0 && m.avanzi == 0;
    }
    return bene ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> argomenti(argv + 1, argv + argc);
    const auto numero = [&](std::size_t indice, int predefinito) {
        return argomenti.size() > indice ? std::atoi(argomenti[indice].c_str()) : predefinito;
    };
    const auto cartella = [&](std::size_t indice) {
        return argomenti.size() > indice ? fs::path(argomenti[indice]) : fs::temp_directory_path();
    };
    if (!argomenti.empty() && argomenti[0] == "blocco") {
        return Blocco(numero(1, 4), numero(2, 60), cartella(3));
    }
    if (!argomenti.empty() && argomenti[0] == "uccisioni") {
        return Uccisioni(numero(1, 400), cartella(2));
    }
    std::fprintf(stderr, "use: sforzo_salvataggi blocco [processes] [seconds] [folder]\n"
                         "     sforzo_salvataggi uccisioni [kills per path] [folder]\n");
    return 2;
}
