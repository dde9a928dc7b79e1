#include "scambio/ripetizione_x11.h"

#include <algorithm>

SenzaRipetizioneX11::SenzaRipetizioneX11(Display* d, const std::vector<KeyCode>& tasti) : d_(d) {
    XKeyboardState stato{};
    XGetKeyboardControl(d_, &stato);
    for (const KeyCode tasto : tasti) {
        const bool ripete = (stato.auto_repeats[tasto / 8] & (1 << (tasto % 8))) != 0;
        if (ripete && std::find(spenti_.begin(), spenti_.end(), tasto) == spenti_.end()) {
            Imposta(tasto, AutoRepeatModeOff);
            spenti_.push_back(tasto);
        }
    }
    XSync(d_, False);
}

SenzaRipetizioneX11::~SenzaRipetizioneX11() {
    for (const KeyCode tasto : spenti_) {
        Imposta(tasto, AutoRepeatModeOn);
    }
    XSync(d_, False);
}

void SenzaRipetizioneX11::Imposta(KeyCode tasto, int modo) {
    XKeyboardControl controllo{};
    controllo.key = tasto;
    controllo.auto_repeat_mode = modo;
    XChangeKeyboardControl(d_, KBKey | KBAutoRepeatMode, &controllo);
}
