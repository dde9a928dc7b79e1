// Tells the scripts when a program has finished something it does while it types keys, as
// the calculator hand-off does: watches every key press the server handles (RECORD
// extension), prints "pronta" once it watches, and after the given number of key presses
// asks the program's window for a ping, as the hand-off asks a calculator. The program
// answers from its event loop, so the answer comes once the work that typed the keys has
// returned. Exits 0 then, 1 when that has not happened within the deadline, 2 on a bad call.
// Arguments: the program's window id, the number of key presses, the deadline in seconds.
#include "scambio/risposta_x11.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using Orologio = std::chrono::steady_clock;

struct ChiudiDisplay {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using Connessione = std::unique_ptr<Display, ChiudiDisplay>;

struct Conteggio {
    bool pronta = false;
    long pressioni = 0;
};

void Registra(XPointer dati, XRecordInterceptData* intercettato) {
    auto* conteggio = reinterpret_cast<Conteggio*>(dati);
    if (intercettato->category == XRecordStartOfData) {
        conteggio->pronta = true;
    } else if (intercettato->category == XRecordFromServer && intercettato->data_len > 0 &&
               intercettato->data[0] == KeyPress) {
        ++conteggio->pressioni;
    }
    XRecordFreeData(intercettato);
}

// Waits for data on the connection until the deadline; false when it has passed.
bool AttendiDati(Display* d, Orologio::time_point scadenza) {
    const auto resto =
        std::chrono::ceil<std::chrono::milliseconds>(scadenza - Orologio::now()).count();
    if (resto <= 0) {
        return false;
    }
    pollfd connessione{ConnectionNumber(d), POLLIN, 0};
    poll(&connessione, 1, static_cast<int>(resto));
    return true;
}

// Counts key presses on the data connection until there are as many as awaited; false at
// the deadline.
bool AttendiPressioni(Display* dati, XRecordContext contesto, Conteggio& conteggio, long attese,
                      Orologio::time_point scadenza) {
    if (XRecordEnableContextAsync(dati, contesto, Registra,
                                  reinterpret_cast<XPointer>(&conteggio)) == 0) {
        return false;
    }
    bool annunciata = false;
    for (;;) {
        XRecordProcessReplies(dati);
        if (conteggio.pronta && !annunciata) {
            std::printf("pronta\n");
            std::fflush(stdout);
            annunciata = true;
        }
        if (conteggio.pressioni >= attese) {
            return true;
        }
        if (!AttendiDati(dati, scadenza)) {
            return false;
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: sentinella_tasti FINESTRA PRESSIONI SECONDI\n");
        return 2;
    }
    const auto finestra = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    const long attese = std::strtol(argv[2], nullptr, 10);
    const auto scadenza = Orologio::now() + std::chrono::seconds(std::strtol(argv[3], nullptr, 10));
    // Outlives the data connection, whose closing may still hand it the end of the data.
    Conteggio conteggio;
    // RECORD hands its data over on a connection of its own.
    const Connessione controllo(XOpenDisplay(nullptr));
    const Connessione dati(XOpenDisplay(nullptr));
    int maggiore = 0;
    int minore = 0;
    if (!controllo || !dati || XRecordQueryVersion(controllo.get(), &maggiore, &minore) == 0) {
        std::fprintf(stderr, "sentinella_tasti: no X server with the RECORD extension\n");
        return 2;
    }
    XRecordRange* intervallo = XRecordAllocRange();
    intervallo->device_events.first = KeyPress;
    intervallo->device_events.last = KeyPress;
    XRecordClientSpec clienti = XRecordAllClients;
    const XRecordContext contesto =
        XRecordCreateContext(controllo.get(), 0, &clienti, 1, &intervallo, 1);
    XFree(intervallo);
    XSync(controllo.get(), False);
    const bool premuti = AttendiPressioni(dati.get(), contesto, conteggio, attese, scadenza);
    // The data connection takes no other request, its closing included, until the
    // recording ends.
    XRecordDisableContext(controllo.get(), contesto);
    XRecordFreeContext(controllo.get(), contesto);
    XSync(controllo.get(), False);
    // Which of the two never came tells a program that typed nothing from one that hangs.
    if (!premuti) {
        std::fprintf(stderr, "sentinella_tasti: %ld of %ld key presses by the deadline\n",
                     conteggio.pressioni, attese);
        return 1;
    }
    if (AttendiRisposta(finestra, scadenza) != Risposta::Data) {
        std::fprintf(stderr, "sentinella_tasti: %ld key presses, then no answer to the ping\n",
                     conteggio.pressioni);
        return 1;
    }
    return 0;
}
