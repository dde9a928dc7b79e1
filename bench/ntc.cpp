// brevanto-ntc from outside, wall clock from spawn to exit, output to /dev/null: its
// start-up against a C++ program that does nothing, and a -55...300 °C table at 0.01 K.
// Arguments: brevanto-ntc, the empty program, how many runs (median).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

struct Tempi {
    double parete = 0; // ms from spawn to exit
    double cpu = 0;    // ms of user and system time of the child
};

// Empty when the program did not run or failed.
std::optional<Tempi> UnaEsecuzione(const std::vector<std::string>& comando) {
    std::vector<char*> argv;
    for (const std::string& parola : comando) {
        argv.push_back(const_cast<char*>(parola.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t uscite;
    posix_spawn_file_actions_init(&uscite);
    posix_spawn_file_actions_addopen(&uscite, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const auto inizio = Orologio::now();
    const int avviato = posix_spawn(&pid, argv[0], &uscite, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&uscite);
    int stato = 0;
    rusage uso{};
    if (avviato != 0 || wait4(pid, &stato, 0, &uso) != pid || !WIFEXITED(stato) ||
        WEXITSTATUS(stato) != 0) {
        return std::nullopt;
    }
    const double parete =
        std::chrono::duration<double, std::milli>(Orologio::now() - inizio).count();
    constexpr double MS_PER_S = 1000;
    constexpr double MS_PER_US = 0.001;
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * MS_PER_S +
               static_cast<double>(t.tv_usec) * MS_PER_US;
    };
    return Tempi{parete, ms(uso.ru_utime) + ms(uso.ru_stime)};
}

Tempi Mediana(const std::vector<Tempi>& tempi) {
    std::vector<double> parete;
    std::vector<double> cpu;
    for (const Tempi& t : tempi) {
        parete.push_back(t.parete);
        cpu.push_back(t.cpu);
    }
    std::sort(parete.begin(), parete.end());
    std::sort(cpu.begin(), cpu.end());
    return {parete[parete.size() / 2], cpu[cpu.size() / 2]};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s BREVANTO-NTC PROGRAMMA-VUOTO ESECUZIONI\n", argv[0]);
        return 2;
    }
    const std::vector<std::vector<std::string>> comandi{
        {argv[2]},
        {argv[1], "--version"},
        {argv[1], "tabella", "--r0", "10000", "--beta", "3950", "--da", "-55", "--a", "300",
         "--passo", "0.01"},
    };
    const int esecuzioni = std::max(1, std::atoi(argv[3]));
    std::vector<std::vector<Tempi>> tempi(comandi.size());
    // In turn, round after round, so that a drift of the machine touches all alike.
    for (int giro = -1; giro < esecuzioni; ++giro) {
        for (size_t i = 0; i < comandi.size(); ++i) {
            const auto ms = UnaEsecuzione(comandi[i]);
            if (!ms) {
                std::fprintf(stderr, "%s did not run\n", comandi[i][0].c_str());
                return 1;
            }
            if (giro >= 0) {
                tempi[i].push_back(*ms);
            }
        }
    }
    const Tempi vuoto = Mediana(tempi[0]);
    const Tempi avvio = Mediana(tempi[1]);
    const Tempi tabella = Mediana(tempi[2]);
    std::printf("median of %d, wall clock / CPU (user + system)\n", esecuzioni);
    std::printf("empty C++ program               %8.3f / %6.3f ms\n", vuoto.parete, vuoto.cpu);
    std::printf("brevanto-ntc --version          %8.3f / %6.3f ms (%.2f x the empty program)\n",
                avvio.parete, avvio.cpu, avvio.parete / vuoto.parete);
    std::printf("35 501-row table to /dev/null   %8.3f / %6.3f ms\n", tabella.parete, tabella.cpu);
    return 0;
}
