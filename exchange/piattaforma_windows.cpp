#ifdef _WIN32

#include "exchange/piattaforma_windows.h"

#include "exchange/notazione_tasti.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <vector>

namespace {

struct Ricerca {
    DWORD processo = 0;
    HWND finestra = nullptr;
};

BOOL CALLBACK ControllaFinestra(HWND finestra, LPARAM dati) {
    auto* ricerca = reinterpret_cast<Ricerca*>(dati);
    DWORD processo = 0;
    GetWindowThreadProcessId(finestra, &processo);
    if (processo == ricerca->processo && IsWindowVisible(finestra) &&
        GetWindow(finestra, GW_OWNER) == nullptr) {
        ricerca->finestra = finestra;
        return FALSE;
    }
    return TRUE;
}

HWND FinestraDelProcesso(std::int64_t processo) {
    Ricerca ricerca{static_cast<DWORD>(processo), nullptr};
    EnumWindows(ControllaFinestra, reinterpret_cast<LPARAM>(&ricerca));
    return ricerca.finestra;
}

INPUT TastoVirtuale(WORD codice, bool giu) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = codice;
    input.ki.dwFlags = giu ? 0 : KEYEVENTF_KEYUP;
    return input;
}

INPUT UnitaUnicode(WCHAR unita, bool giu) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = unita;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (giu ? 0 : KEYEVENTF_KEYUP);
    return input;
}

// The input events of one key, or empty when the keyboard layout cannot produce it.
std::vector<INPUT> EventiDi(const Tasto& tasto) {
    WORD codice = 0;
    bool maiuscole = tasto.maiuscole;
    switch (tasto.speciale) {
    case TastoSpeciale::Invio:
        codice = VK_RETURN;
        break;
    case TastoSpeciale::Tabulazione:
        codice = VK_TAB;
        break;
    case TastoSpeciale::Esc:
        codice = VK_ESCAPE;
        break;
    case TastoSpeciale::Indietro:
        codice = VK_BACK;
        break;
    case TastoSpeciale::Nessuno:
        break;
    }

    std::vector<INPUT> eventi;
    if (codice == 0 && !tasto.maiuscole && !tasto.controllo && !tasto.alt) {
        // A plain character goes in as itself, whatever the keyboard layout.
        std::vector<WCHAR> unita;
        if (tasto.carattere > 0xFFFF) {
            const char32_t resto = tasto.carattere - 0x10000;
            unita = {static_cast<WCHAR>(0xD800 + (resto >> 10)),
                     static_cast<WCHAR>(0xDC00 + (resto & 0x3FF))};
        } else {
            unita = {static_cast<WCHAR>(tasto.carattere)};
        }
        for (const WCHAR u : unita) {
            eventi.push_back(UnitaUnicode(u, true));
            eventi.push_back(UnitaUnicode(u, false));
        }
        return eventi;
    }
    if (codice == 0) {
        if (tasto.carattere > 0xFFFF) {
            return {};
        }
        const SHORT scansione = VkKeyScanW(static_cast<WCHAR>(tasto.carattere));
        if (scansione == -1) {
            return {};
        }
        codice = LOBYTE(scansione);
        maiuscole = maiuscole || (HIBYTE(scansione) & 1) != 0;
    }
    std::vector<WORD> modificatori;
    if (maiuscole) {
        modificatori.push_back(VK_SHIFT);
    }
    if (tasto.controllo) {
        modificatori.push_back(VK_CONTROL);
    }
    if (tasto.alt) {
        modificatori.push_back(VK_MENU);
    }
    for (const WORD m : modificatori) {
        eventi.push_back(TastoVirtuale(m, true));
    }
    eventi.push_back(TastoVirtuale(codice, true));
    eventi.push_back(TastoVirtuale(codice, false));
    for (auto m = modificatori.rbegin(); m != modificatori.rend(); ++m) {
        eventi.push_back(TastoVirtuale(*m, false));
    }
    return eventi;
}

} // namespace

std::optional<AvvioCalcolatrice> PiattaformaWindows::Avvia(const std::string& /*testo*/) {
    STARTUPINFOW avvio{};
    avvio.cb = sizeof(avvio);
    avvio.dwFlags = STARTF_USESHOWWINDOW;
    avvio.wShowWindow = SW_SHOWNORMAL; // window style 1
    PROCESS_INFORMATION processo{};
    // CreateProcessW may write into the command line, so it gets a buffer of its own.
    std::wstring riga = L"calc.exe";
    if (!CreateProcessW(nullptr, riga.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &avvio,
                        &processo)) {
        return std::nullopt;
    }
    CloseHandle(processo.hThread);
    CloseHandle(processo.hProcess);
    return AvvioCalcolatrice{static_cast<std::int64_t>(processo.dwProcessId),
                             ConsegnaNumero::DaDigitare};
}

bool PiattaformaWindows::FinestraAttiva(std::int64_t processo) {
    const HWND finestra = FinestraDelProcesso(processo);
    if (finestra == nullptr) {
        return false;
    }
    if (GetForegroundWindow() == finestra) {
        return true;
    }
    SetForegroundWindow(finestra);
    return false;
}

bool PiattaformaWindows::Digita(std::int64_t processo, const std::string& notazione) {
    const auto tasti = InterpretaNotazioneTasti(notazione);
    const HWND finestra = FinestraDelProcesso(processo);
    if (!tasti || finestra == nullptr) {
        return false;
    }
    std::vector<std::vector<INPUT>> sequenza;
    for (const Tasto& tasto : *tasti) {
        std::vector<INPUT> eventi = EventiDi(tasto);
        if (eventi.empty()) {
            return false;
        }
        sequenza.push_back(std::move(eventi));
    }
    for (std::vector<INPUT>& eventi : sequenza) {
        if (GetForegroundWindow() != finestra) {
            return false;
        }
        const UINT quanti = static_cast<UINT>(eventi.size());
        if (SendInput(quanti, eventi.data(), sizeof(INPUT)) != quanti) {
            return false;
        }
    }
    return true;
}

#endif
