// Time from exec to the first window being mapped, and resident memory once idle, for
// Brevanto beside a bare Qt window, the same window with one label, our other windows given
// after the count (each also against Brevanto), and, where installed, other calculators. Runs on
// the X display in DISPLAY (the bench script starts an Xvfb).
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
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
    // The programs' own warnings would bury the figures.
    posix_spawn_file_actions_t uscite;
    posix_spawn_file_actions_init(&uscite);
    posix_spawn_file_actions_addopen(&uscite, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&uscite, 1, 2);
    const int avviato = posix_spawn(&pid, programma.c_str(), &uscite, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&uscite);
    if (avviato != 0) {
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

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "uso: bench_startup BREVANTO FINESTRA_VUOTA FINESTRA_ETICHETTA "
                             "[volte [ALTRA_FINESTRA...]]\n");
        return 2;
    }
    const int volte = argc > 4 ? std::atoi(argv[4]) : 15;
    Display* schermo = XOpenDisplay(nullptr);
    if (schermo == nullptr) {
        std::fprintf(stderr, "nessun display X\n");
        return 2;
    }
    struct Voce {
        std::string nome;
        std::string percorso;
        bool fallita = false;
    };
    std::vector<Voce> voci = {
        {"brevanto", argv[1]}, {"bare Qt window", argv[2]}, {"...one label", argv[3]}};
    for (int i = 5; i < argc; ++i) {
        voci.push_back({std::filesystem::path(argv[i]).filename(), argv[i]});
    }
    const size_t nostri = voci.size();
    for (const char* altro : {"/usr/bin/galculator", "/usr/bin/xcalc"}) {
        if (std::filesystem::exists(altro)) {
            voci.push_back({std::filesystem::path(altro).filename(), altro});
        }
    }
    // Round robin, so that the machine's drift over the run weighs on every program alike.
    std::printf("median of %d runs each, taken in turn, after a warm-up\n", volte);
    std::vector<std::vector<Misura>> serie(voci.size());
    for (int giro = -1; giro < volte; ++giro) {
        for (size_t i = 0; i < voci.size(); ++i) {
            if (voci[i].fallita) {
                continue;
            }
            const auto m = UnAvvio(schermo, voci[i].percorso);
            if (!m) {
                // Our programs must map; another calculator is only left out.
                std::fprintf(stderr, "%s did not map a window\n", voci[i].nome.c_str());
                if (i < nostri) {
                    return 1;
                }
                voci[i].fallita = true;
            } else if (giro >= 0) {
                serie[i].push_back(*m);
            }
        }
    }
    std::printf("%-16s %14s %14s\n", "program", "time to map ms", "idle RSS MiB");
    std::vector<Misura> mediane;
    for (size_t i = 0; i < voci.size(); ++i) {
        if (voci[i].fallita) {
            std::printf("%-16s %14s\n", voci[i].nome.c_str(), "failed");
            mediane.push_back({});
            continue;
        }
        std::vector<double> tempi;
        std::vector<double> memorie;
        for (const Misura& m : serie[i]) {
            tempi.push_back(m.millisecondi);
            memorie.push_back(m.mebibyte);
        }
        mediane.push_back({Mediana(tempi), Mediana(memorie)});
        std::printf("%-16s %14.1f %14.1f\n", voci[i].nome.c_str(), mediane.back().millisecondi,
                    mediane.back().mebibyte);
    }
    std::printf("ratio to the bare window: time %.2f (goal <= 1.10), memory %.2f (goal <= 1.15)\n",
                mediane[0].millisecondi / mediane[1].millisecondi,
                mediane[0].mebibyte / mediane[1].mebibyte);
    std::printf("the one label alone, against the bare window: time %.2f, memory %.2f\n",
                mediane[2].millisecondi / mediane[1].millisecondi,
                mediane[2].mebibyte / mediane[1].mebibyte);
    for (size_t i = 3; i < nostri; ++i) {
        std::printf("%s against brevanto: time %.2f, memory %.2f\n", voci[i].nome.c_str(),
                    mediane[i].millisecondi / mediane[0].millisecondi,
                    mediane[i].mebibyte / mediane[0].mebibyte);
    }
    XCloseDisplay(schermo);
    return 0;
}
