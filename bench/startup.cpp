// Time from exec to the first window being mapped, and resident memory once idle, for
// Brevanto beside a bare Qt window and, where installed, other calculators. Runs on the
// X display in DISPLAY (the bench script starts an Xvfb).
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

struct Misura {
    double millisecondi;
    double mebibyte;
};

long RssKiB(pid_t pid) {
    std::ifstream stato("/proc/" + std::to_string(pid) + "/status");
    std::string riga;
    while (std::getline(stato, riga)) {
        if (riga.rfind("VmRSS:", 0) == 0) {
            return std::strtol(riga.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

// Starts the program and waits for the first map of a top-level window.
std::optional<Misura> UnAvvio(Display* schermo, const std::string& programma) {
    XSelectInput(schermo, DefaultRootWindow(schermo), SubstructureNotifyMask);
    XSync(schermo, True);

    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(programma.c_str()), nullptr};
    const auto inizio = Orologio::now();
    if (posix_spawn(&pid, programma.c_str(), nullptr, nullptr, argv, environ) != 0) {
        return std::nullopt;
    }
    std::optional<Misura> misura;
    const auto limite = inizio + std::chrono::seconds(10);
    while (!misura && Orologio::now() < limite) {
        while (XPending(schermo) > 0) {
            XEvent evento;
            XNextEvent(schermo, &evento);
            if (evento.type == MapNotify && !evento.xmap.override_redirect) {
                misura = Misura{
                    std::chrono::duration<double, std::milli>(Orologio::now() - inizio).count(), 0};
                break;
            }
        }
        if (!misura) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    if (misura) {
        // Idle: the window has painted and the program waits for input.
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        misura->mebibyte = static_cast<double>(RssKiB(pid)) / 1024.0;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XSelectInput(schermo, DefaultRootWindow(schermo), NoEventMask);
    return misura;
}

double Mediana(std::vector<double> valori) {
    std::sort(valori.begin(), valori.end());
    const size_t n = valori.size();
    return n % 2 ? valori[n / 2] : (valori[n / 2 - 1] + valori[n / 2]) / 2;
}

std::optional<Misura> Mediane(Display* schermo, const std::string& programma, int volte) {
    UnAvvio(schermo, programma); // warm-up: caches and fonts
    std::vector<double> tempi;
    std::vector<double> memorie;
    for (int i = 0; i < volte; ++i) {
        const auto m = UnAvvio(schermo, programma);
        if (!m) {
            return std::nullopt;
        }
        tempi.push_back(m->millisecondi);
        memorie.push_back(m->mebibyte);
    }
    return Misura{Mediana(tempi), Mediana(memorie)};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: bench_startup BREVANTO FINESTRA_VUOTA [volte]\n");
        return 2;
    }
    const int volte = argc > 3 ? std::atoi(argv[3]) : 15;
    Display* schermo = XOpenDisplay(nullptr);
    if (schermo == nullptr) {
        std::fprintf(stderr, "nessun display X\n");
        return 2;
    }
    struct Voce {
        std::string nome;
        std::string percorso;
    };
    std::vector<Voce> voci = {{"brevanto", argv[1]}, {"bare Qt window", argv[2]}};
    for (const char* altro : {"/usr/bin/galculator", "/usr/bin/xcalc"}) {
        if (std::filesystem::exists(altro)) {
            voci.push_back({std::filesystem::path(altro).filename(), altro});
        }
    }
    std::printf("median of %d runs after a warm-up\n", volte);
    std::printf("%-16s %14s %14s\n", "program", "time to map ms", "idle RSS MiB");
    std::vector<Misura> misure;
    for (const Voce& v : voci) {
        const auto m = Mediane(schermo, v.percorso, volte);
        if (!m) {
            std::printf("%-16s %14s\n", v.nome.c_str(), "failed");
            if (misure.size() < 2) {
                return 1;
            }
            continue;
        }
        misure.push_back(*m);
        std::printf("%-16s %14.1f %14.1f\n", v.nome.c_str(), m->millisecondi, m->mebibyte);
    }
    std::printf("ratio to the bare window: time %.2f (goal <= 1.10), memory %.2f (goal <= 1.15)\n",
                misure[0].millisecondi / misure[1].millisecondi,
                misure[0].mebibyte / misure[1].mebibyte);
    XCloseDisplay(schermo);
    return 0;
}
