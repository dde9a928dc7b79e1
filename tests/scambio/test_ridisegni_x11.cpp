// Before any X11 header, whose macros (None, Bool) break its templates.
#include <gtest/gtest.h>

#include "scambio/ridisegni_x11.h"

#include <X11/Xlib.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

struct ChiudiDisplay {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using Connessione = std::unique_ptr<Display, ChiudiDisplay>;

// A window of its own, mapped, and the connection of the client that draws in it.
struct Finestra {
    Connessione pittore{XOpenDisplay(nullptr)};
    Window id = None;

    Finestra() {
        if (!pittore) {
            return;
        }
        Display* p = pittore.get();
        id = XCreateSimpleWindow(p, DefaultRootWindow(p), 0, 0, 100, 100, 0, 0,
                                 WhitePixel(p, DefaultScreen(p)));
        XMapWindow(p, id);
        XSync(p, False);
    }

    void Ridisegna() const {
        XClearArea(pittore.get(), id, 0, 0, 0, 0, False);
        XSync(pittore.get(), False);
    }
};

// A repaint that came before the repaints were forgotten is not one for the key typed next,
// even when its news is still on the way.
TEST(RidisegniX11, UnRidisegnoPrimaDiDimenticaNonConta) {
    const Connessione osservatore(XOpenDisplay(nullptr));
    const Finestra finestra;
    ASSERT_TRUE(osservatore && finestra.pittore);
    RidisegniX11 ridisegni(osservatore.get(), finestra.id);
    ASSERT_TRUE(ridisegni.Disponibile());
    // The window counts as repainted once the watch begins; the repaint is drawn only once
    // the server has forgotten that.
    ridisegni.Dimentica();
    XSync(osservatore.get(), False);
    finestra.Ridisegna();
    ridisegni.Dimentica();
    EXPECT_FALSE(ridisegni.Attendi(std::chrono::steady_clock::now() + 300ms));
    finestra.Ridisegna();
    EXPECT_TRUE(ridisegni.Attendi(std::chrono::steady_clock::now() + 5s));
}

// A window that another client keeps repainting, as a calculator still drawing the key
// before while the next one is typed: whenever the repaints so far are forgotten, the
// repaints that follow are reported, however they interleave with the forgetting.
TEST(RidisegniX11, UnRidisegnoDopoDimenticaNonSiPerde) {
    const Connessione osservatore(XOpenDisplay(nullptr));
    const Finestra finestra;
    ASSERT_TRUE(osservatore && finestra.pittore);
    RidisegniX11 ridisegni(osservatore.get(), finestra.id);
    ASSERT_TRUE(ridisegni.Disponibile());
    std::atomic<bool> fine{false};
    std::thread disegni([&] {
        while (!fine) {
            finestra.Ridisegna();
        }
    });
    int visti = 0;
    for (; visti < 300; ++visti) {
        ridisegni.Dimentica();
        if (!ridisegni.Attendi(std::chrono::steady_clock::now() + 5s)) {
            break;
        }
    }
    fine = true;
    disegni.join();
    EXPECT_EQ(visti, 300);
}

} // namespace
