#pragma once

#include <X11/Xlib.h>

#include <vector>

// Turns the server's key repeat off for the keys given while the object lives, and back on
// for those that had it. A server that gets little time may see a key typed through XTest
// held down for longer than the repeat delay, and would then type it twice.
class SenzaRipetizioneX11 {
public:
    SenzaRipetizioneX11(Display* d, const std::vector<KeyCode>& tasti);
    ~SenzaRipetizioneX11();
    SenzaRipetizioneX11(const SenzaRipetizioneX11&) = delete;
    SenzaRipetizioneX11& operator=(const SenzaRipetizioneX11&) = delete;

private:
    void Imposta(KeyCode tasto, int modo);

    Display* d_;
    std::vector<KeyCode> spenti_;
};
