#pragma once

// Watches the start of the window system while it lives. Without a display Qt ends the
// program with an abort and a hint to reinstall it; instead one line in Italian goes to
// standard error and the program exits with status 1. The platform's own warnings of
// that moment are held back and, once the start succeeded, passed on as usual.
class GuardiaSchermo {
public:
    GuardiaSchermo();
    ~GuardiaSchermo();
    GuardiaSchermo(const GuardiaSchermo&) = delete;
    GuardiaSchermo& operator=(const GuardiaSchermo&) = delete;
};

// The line written when no display can be reached.
inline constexpr const char* MESSAGGIO_SENZA_SCHERMO =
    "brevanto: nessuno schermo grafico raggiungibile (DISPLAY o WAYLAND_DISPLAY), "
    "impossibile aprire la finestra";
