#pragma once

#include "profilo/profilo.h"
#include "tests/profilo/cartella_prova.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Saves run by other processes, as other users, and killed in the middle.

// Runs the function in a child process and gives its exit code.
template <class Funzione> int NelFiglio(Funzione funzione) {
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::_exit(funzione());
    }
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

// Makes this process the user, member of that one group only; false when not allowed.
inline bool DiventaUtente(uid_t utente, gid_t gruppo) {
    const gid_t gruppi[] = {gruppo};
    return ::setgroups(1, gruppi) == 0 && ::setresgid(utente, utente, utente) == 0 &&
           ::setresuid(utente, utente, utente) == 0;
}

inline struct stat Stato(const std::filesystem::path& file) {
    struct stat stato {};
    ::stat(file.c_str(), &stato);
    return stato;
}

// The two contents the killed saves go back and forth between, as a save writes them.
inline const std::string CONTENUTO_VECCHIO = "[NTC]\r\nR0=4700\r\nB=3435\r\n";
inline const std::string CONTENUTO_NUOVO = "[NTC]\r\nR0=10000\r\nB=3950\r\n";

// Whether a killed save left something for the next load or save to put back: a backup
// beside the file, or the file holding neither of the two contents.
inline bool QualcosaDaRimettere(const std::filesystem::path& file) {
    for (const auto& voce : std::filesystem::directory_iterator(file.parent_path())) {
        const std::string nome = voce.path().filename().string();
        if (nome.starts_with(".brevanto-") && nome.ends_with(".bak")) {
            return true;
        }
    }
    const std::string letto = LeggiFile(file);
    return letto != CONTENUTO_VECCHIO && letto != CONTENUTO_NUOVO;
}

// Kills a process that saves the two contents in turn into the file (first running
// prepara, to become another user), at a random instant after its first save, until a
// kill leaves something to put right; false when none did in many tries.
inline bool UccidiFinoAUnSalvataggioInterrotto(const std::filesystem::path& file,
                                               const std::function<bool()>& prepara) {
    const std::vector<VoceProfilo> nuovo{{"NTC", "R0", "10000"}, {"NTC", "B", "3950"}};
    const std::vector<VoceProfilo> vecchio{{"NTC", "R0", "4700"}, {"NTC", "B", "3435"}};
    unsigned seme = 20240611;
    for (int prova = 0; prova < 500; ++prova) {
        int pronto[2];
        if (::pipe(pronto) != 0) {
            return false;
        }
        const pid_t figlio = ::fork();
        if (figlio == 0) {
            if (!prepara()) {
                ::_exit(2);
            }
            for (unsigned giro = 0;; ++giro) { // until killed
                ScriviVociProfilo(file, giro % 2 == 0 ? nuovo : vecchio);
                if (giro == 0) {
                    (void)!::write(pronto[1], "x", 1);
                }
            }
        }
        ::close(pronto[1]);
        char segnale = 0;
        const bool partito = ::read(pronto[0], &segnale, 1) == 1;
        ::close(pronto[0]);
        if (partito) {
            seme = seme * 1103515245U + 12345U;
            ::usleep(seme % 10000U);
        }
        ::kill(figlio, SIGKILL);
        ::waitpid(figlio, nullptr, 0);
        if (!partito) {
            return false;
        }
        if (QualcosaDaRimettere(file)) {
            return true;
        }
    }
    return false;
}
