// Start-up from outside: time from exec to the first top-level window being mapped and to its
// first frame (the first drawing the X server reports in it), and resident memory once idle,
// for Brevanto and the curve window beside a bare Qt window, the same window with one label,
// a main window with a menu bar and nothing else
// and, where installed, other calculators. Every program is started in turn, round after
// round, under two conditions taken in turn as well: with a session bus running (one this
// program starts for the run) and with none (DBUS_SESSION_BUS_ADDRESS unset, as in a bare X
// session, where libdbus starts a bus on the spot when dbus-launch is installed; such a bus
// is ended after every start, so that each start finds none). Runs on the X display in
// DISPLAY (the bench script starts an Xvfb).
// Arguments: brevanto, brevanto-curva, the bare window, the label window, the menu window,
// [runs].
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

constexpr double MIB_PER_KIB = 1.0 / 1024.0;

struct Misura {
    double mappa = 0;       // ms from exec to the map
    double fotogramma = -1; // ms from exec to the first drawing in the mapped window; -1: unseen
    double mebibyte = 0;    // resident memory once idle
};

double Millisecondi(Orologio::time_point da) {
    return std::chrono::duration<double, std::milli>(Orologio::now() - da).count();
}

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

int codiceDanni = -1; // the DAMAGE extension's request code

// A window may be gone, or take no drawing (input only), by the time its damage object is
// made or destroyed; those errors are expected. Any other ends the run, as Xlib's own
// handler would.
int ErroreX(Display* schermo, XErrorEvent* errore) {
    if (errore->request_code == codiceDanni) {
        return 0;
    }
    std::array<char, 256> testo{};
    XGetErrorText(schermo, errore->error_code, testo.data(), testo.size());
    std::fprintf(stderr, "X error: %s (request %d)\n", testo.data(), errore->request_code);
    std::exit(1);
}

// The X server's damage reports: how the first frame is seen from outside.
class Danni {
public:
    explicit Danni(Display* schermo) : schermo_(schermo) {
        int errore = 0;
        int evento = 0;
        disponibile_ = XQueryExtension(schermo_, "DAMAGE", &codiceDanni, &evento, &errore) != 0 &&
                       XDamageQueryExtension(schermo_, &evento_, &errore) != 0;
        XSetErrorHandler(ErroreX);
    }
    bool Disponibile() const { return disponibile_; }
    int EventoNotifica() const { return evento_ + XDamageNotify; }
    void Osserva(Window finestra) {
        danni_.push_back(XDamageCreate(schermo_, finestra, XDamageReportNonEmpty));
    }
    void Dimentica() {
        for (const Damage danno : danni_) {
            XDamageDestroy(schermo_, danno);
        }
        XSync(schermo_, False);
        danni_.clear();
    }

private:
    Display* schermo_;
    bool disponibile_ = false;
    int evento_ = 0;
    std::vector<Damage> danni_;
};

// Starts the program in the given environment and waits for the map of its first top-level
// window and for the first drawing in that window.
std::optional<Misura> UnAvvio(Display* schermo, Danni& danni, const std::string& programma,
                              char* const* ambiente) {
    XSelectInput(schermo, DefaultRootWindow(schermo), SubstructureNotifyMask);
    XSync(schermo, True);

    pid_t pid = 0;
    std::array<char*, 2> argv = {const_cast<char*>(programma.c_str()), nullptr};
    const auto inizio = Orologio::now();
    // The programs' own warnings would bury the figures.
    posix_spawn_file_actions_t uscite;
    posix_spawn_file_actions_init(&uscite);
    posix_spawn_file_actions_addopen(&uscite, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&uscite, 1, 2);
    const int avviato =
        posix_spawn(&pid, programma.c_str(), &uscite, nullptr, argv.data(), ambiente);
    posix_spawn_file_actions_destroy(&uscite);
    if (avviato != 0) {
        return std::nullopt;
    }
    Misura misura;
    Window mappata = None;
    bool disegnata = false;
    const auto limite = inizio + std::chrono::seconds(10);
    while (!(mappata != None && (disegnata || !danni.Disponibile())) && Orologio::now() < limite) {
        while (XPending(schermo) > 0) {
            XEvent evento;
            XNextEvent(schermo, &evento);
            if (evento.type == CreateNotify && !evento.xcreatewindow.override_redirect &&
                danni.Disponibile()) {
                danni.Osserva(evento.xcreatewindow.window);
            } else if (evento.type == MapNotify && !evento.xmap.override_redirect &&
                       mappata == None) {
                misura.mappa = Millisecondi(inizio);
                mappata = evento.xmap.window;
            } else if (evento.type == danni.EventoNotifica() && mappata != None && !disegnata &&
                       reinterpret_cast<XDamageNotifyEvent&>(evento).drawable == mappata) {
                misura.fotogramma = Millisecondi(inizio);
                disegnata = true;
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const bool riuscito = mappata != None;
    if (riuscito) {
        // Idle: the window has painted and the program waits for input.
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        misura.mebibyte = static_cast<double>(RssKiB(pid)) * MIB_PER_KIB;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XSelectInput(schermo, DefaultRootWindow(schermo), NoEventMask);
    danni.Dimentica();
    if (!riuscito) {
        return std::nullopt;
    }
    return misura;
}

// A session bus of this run's own, as a desktop session has one.
struct Bus {
    std::string indirizzo;
    pid_t pid = 0;
};

std::optional<Bus> AvviaBus() {
    FILE* uscita = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    if (uscita == nullptr) {
        return std::nullopt;
    }
    std::array<char, 512> indirizzo{};
    std::array<char, 32> pid{};
    const bool letto = std::fgets(indirizzo.data(), indirizzo.size(), uscita) != nullptr &&
                       std::fgets(pid.data(), pid.size(), uscita) != nullptr;
    if (pclose(uscita) != 0 || !letto) {
        return std::nullopt;
    }
    Bus bus{indirizzo.data(), static_cast<pid_t>(std::strtol(pid.data(), nullptr, 10))};
    bus.indirizzo.erase(bus.indirizzo.find_last_not_of('\n') + 1);
    return bus;
}

// libdbus starts a missing session bus through dbus-launch, which leaves it running for the
// rest of the X session and names it by an X selection that the next program would find.
// Killing the selection owner's X connection ends dbus-launch's watcher, which ends the bus.
class BusAutomatico {
public:
    explicit BusAutomatico(Display* schermo) : schermo_(schermo) {
        std::string macchina;
        for (const char* file : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
            std::ifstream(file) >> macchina;
            if (!macchina.empty()) {
                break;
            }
        }
        const passwd* utente = getpwuid(getuid());
        const std::string nome = "_DBUS_SESSION_BUS_SELECTION_" +
                                 std::string(utente != nullptr ? utente->pw_name : "") + "_" +
                                 macchina;
        selezione_ = XInternAtom(schermo_, nome.c_str(), False);
    }

    void Spegni() {
        const Window padrone = XGetSelectionOwner(schermo_, selezione_);
        if (padrone == None) {
            return;
        }
        XKillClient(schermo_, padrone);
        XSync(schermo_, False);
        const auto limite = Orologio::now() + std::chrono::seconds(2);
        while (XGetSelectionOwner(schermo_, selezione_) != None && Orologio::now() < limite) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

private:
    Display* schermo_;
    Atom selezione_ = None;
};

bool DbusLaunchTrovato() {
    const char* percorso = std::getenv("PATH");
    std::string cartelle = std::string("/usr/bin:") + (percorso != nullptr ? percorso : "");
    size_t inizio = 0;
    while (inizio <= cartelle.size()) {
        const size_t fine = std::min(cartelle.find(':', inizio), cartelle.size());
        if (access((cartelle.substr(inizio, fine - inizio) + "/dbus-launch").c_str(), X_OK) == 0) {
            return true;
        }
        inizio = fine + 1;
    }
    return false;
}

// The environment of this program with the session bus named, or with none.
std::vector<std::string> Ambiente(const std::optional<std::string>& indirizzoBus) {
    const std::string chiave = "DBUS_SESSION_BUS_ADDRESS=";
    std::vector<std::string> ambiente;
    for (char* const* voce = environ; *voce != nullptr; ++voce) {
        if (std::strncmp(*voce, chiave.c_str(), chiave.size()) != 0) {
            ambiente.emplace_back(*voce);
        }
    }
    if (indirizzoBus) {
        ambiente.push_back(chiave + *indirizzoBus);
    }
    return ambiente;
}

std::vector<char*> Puntatori(std::vector<std::string>& testi) {
    std::vector<char*> puntatori;
    puntatori.reserve(testi.size() + 1);
    for (std::string& testo : testi) {
        puntatori.push_back(testo.data());
    }
    puntatori.push_back(nullptr);
    return puntatori;
}

double Mediana(std::vector<double> valori) {
    std::sort(valori.begin(), valori.end());
    const size_t n = valori.size();
    return n % 2 != 0 ? valori[n / 2] : (valori[n / 2 - 1] + valori[n / 2]) / 2;
}

// One decimal, or "-" for a figure not seen.
std::string Cifra(double valore) {
    if (valore < 0) {
        return "-";
    }
    std::array<char, 32> testo{};
    std::snprintf(testo.data(), testo.size(), "%.1f", valore);
    return testo.data();
}

struct Voce {
    std::string nome;
    std::string percorso;
    bool nostra = true; // ours must map; another calculator is only left out
    bool fallita = false;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 6) {
        std::fprintf(stderr, "uso: bench_startup BREVANTO BREVANTO_CURVA FINESTRA_VUOTA "
                             "FINESTRA_ETICHETTA FINESTRA_MENU [volte]\n");
        return 2;
    }
    const int volte = argc > 6 ? std::atoi(argv[6]) : 15;
    Display* schermo = XOpenDisplay(nullptr);
    if (schermo == nullptr) {
        std::fprintf(stderr, "nessun display X\n");
        return 2;
    }
    std::vector<Voce> voci = {{"brevanto", argv[1]},
                              {"brevanto-curva", argv[2]},
                              {"bare Qt window", argv[3]},
                              {"...one label", argv[4]},
                              {"...menu bar only", argv[5]}};
    for (const char* altro : {"/usr/bin/galculator", "/usr/bin/xcalc"}) {
        if (std::filesystem::exists(altro)) {
            voci.push_back({std::filesystem::path(altro).filename(), altro, false});
        }
    }
    const std::optional<Bus> bus = AvviaBus();
    if (!bus) {
        std::fprintf(stderr, "dbus-daemon did not start a session bus\n");
        return 2;
    }
    struct Condizione {
        const char* nome;
        std::vector<std::string> ambiente;
        std::vector<char*> puntatori;
    };
    std::array<Condizione, 2> condizioni = {
        Condizione{"session bus running", Ambiente(bus->indirizzo), {}},
        Condizione{DbusLaunchTrovato() ? "no session bus (libdbus starts one via dbus-launch)"
                                       : "no session bus (dbus-launch not installed: none starts)",
                   Ambiente(std::nullopt),
                   {}}};
    for (Condizione& c : condizioni) {
        c.puntatori = Puntatori(c.ambiente);
    }
    Danni danni(schermo);
    BusAutomatico automatico(schermo);
    automatico.Spegni();

    // Round robin over programs and conditions, so that the machine's drift over the run
    // weighs on every figure alike.
    std::printf("median of %d runs each, taken in turn, after a warm-up\n", volte);
    std::vector<std::vector<std::vector<Misura>>> serie(
        condizioni.size(), std::vector<std::vector<Misura>>(voci.size()));
    for (int giro = -1; giro < volte; ++giro) {
        for (size_t c = 0; c < condizioni.size(); ++c) {
            for (size_t i = 0; i < voci.size(); ++i) {
                if (voci[i].fallita) {
                    continue;
                }
                const auto m =
                    UnAvvio(schermo, danni, voci[i].percorso, condizioni[c].puntatori.data());
                automatico.Spegni();
                if (!m) {
                    std::fprintf(stderr, "%s did not map a window\n", voci[i].nome.c_str());
                    if (voci[i].nostra) {
                        kill(bus->pid, SIGTERM);
                        return 1;
                    }
                    voci[i].fallita = true;
                } else if (giro >= 0) {
                    serie[c][i].push_back(*m);
                }
            }
        }
    }
    kill(bus->pid, SIGTERM);

    constexpr size_t BREVANTO = 0;
    constexpr size_t CURVA = 1;
    constexpr size_t VUOTA = 2;
    for (size_t c = 0; c < condizioni.size(); ++c) {
        std::printf("\n-- %s\n", condizioni[c].nome);
        std::printf("%-16s %10s %10s %10s %12s %12s\n", "program", "map ms", "frame ms", "RSS MiB",
                    "map / bare", "RSS / bare");
        std::vector<Misura> mediane;
        for (size_t i = 0; i < voci.size(); ++i) {
            if (voci[i].fallita || serie[c][i].empty()) {
                std::printf("%-16s %10s\n", voci[i].nome.c_str(), "failed");
                mediane.push_back({});
                continue;
            }
            std::vector<double> mappe;
            std::vector<double> fotogrammi;
            std::vector<double> memorie;
            for (const Misura& m : serie[c][i]) {
                mappe.push_back(m.mappa);
                if (m.fotogramma >= 0) {
                    fotogrammi.push_back(m.fotogramma);
                }
                memorie.push_back(m.mebibyte);
            }
            mediane.push_back(
                {Mediana(mappe), fotogrammi.empty() ? -1 : Mediana(fotogrammi), Mediana(memorie)});
        }
        for (size_t i = 0; i < voci.size(); ++i) {
            if (voci[i].fallita || serie[c][i].empty()) {
                continue;
            }
            const Misura& m = mediane[i];
            std::printf("%-16s %10.1f %10s %10.1f %12.2f %12.2f\n", voci[i].nome.c_str(), m.mappa,
                        Cifra(m.fotogramma).c_str(), m.mebibyte, m.mappa / mediane[VUOTA].mappa,
                        m.mebibyte / mediane[VUOTA].mebibyte);
        }
        std::printf("brevanto against the bare window: map %.2f (goal <= 1.25), memory %.2f "
                    "(goal <= 1.15)\n",
                    mediane[BREVANTO].mappa / mediane[VUOTA].mappa,
                    mediane[BREVANTO].mebibyte / mediane[VUOTA].mebibyte);
        std::printf("brevanto-curva against brevanto: map %.2f (goal <= 1.10), memory %.2f\n",
                    mediane[CURVA].mappa / mediane[BREVANTO].mappa,
                    mediane[CURVA].mebibyte / mediane[BREVANTO].mebibyte);
    }
    if (!danni.Disponibile()) {
        std::printf("(no DAMAGE extension: the first frame is not seen)\n");
    }
    XCloseDisplay(schermo);
    return 0;
}
