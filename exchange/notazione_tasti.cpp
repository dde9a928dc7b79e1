#include "exchange/notazione_tasti.h"

#include <array>
#include <utility>

namespace {

constexpr std::string_view kCaratteriDiComando = "+^%~()[]{}";

// Decodes one UTF-8 character at i and moves past it; empty for an invalid sequence.
std::optional<char32_t> LeggiCarattere(std::string_view t, size_t& i) {
    const auto primo = static_cast<unsigned char>(t[i]);
    size_t lunghezza = 1;
    char32_t c = primo;
    if (primo >= 0xF0 && primo < 0xF8) {
        lunghezza = 4;
        c = primo & 0x07U;
    } else if (primo >= 0xE0) {
        lunghezza = primo < 0xF0 ? 3 : 0;
        c = primo & 0x0FU;
    } else if (primo >= 0xC2) {
        lunghezza = 2;
        c = primo & 0x1FU;
    } else if (primo >= 0x80) {
        lunghezza = 0;
    }
    if (lunghezza == 0 || i + lunghezza > t.size()) {
        return std::nullopt;
    }
    for (size_t k = 1; k < lunghezza; ++k) {
        const auto seguito = static_cast<unsigned char>(t[i + k]);
        if ((seguito & 0xC0U) != 0x80U) {
            return std::nullopt;
        }
        c = (c << 6U) | (seguito & 0x3FU);
    }
    i += lunghezza;
    return c;
}

std::optional<TastoSpeciale> TastoDalNome(std::string_view nome) {
    static constexpr std::array<std::pair<std::string_view, TastoSpeciale>, 5> kNomi{{
        {"ENTER", TastoSpeciale::Invio},
        {"TAB", TastoSpeciale::Tabulazione},
        {"ESC", TastoSpeciale::Esc},
        {"BACKSPACE", TastoSpeciale::Indietro},
        {"BS", TastoSpeciale::Indietro},
    }};
    for (const auto& [n, tasto] : kNomi) {
        if (n == nome) {
            return tasto;
        }
    }
    return std::nullopt;
}

struct Modificatori {
    bool maiuscole = false;
    bool controllo = false;
    bool alt = false;

    bool Alcuno() const { return maiuscole || controllo || alt; }
};

} // namespace

std::string InNotazioneTasti(std::string_view testo) {
    std::string notazione;
    for (const char c : testo) {
        if (kCaratteriDiComando.find(c) != std::string_view::npos) {
            notazione += '{';
            notazione += c;
            notazione += '}';
        } else {
            notazione += c;
        }
    }
    return notazione;
}

std::optional<std::vector<Tasto>> InterpretaNotazioneTasti(std::string_view notazione) {
    const std::string_view t = notazione;
    std::vector<Tasto> tasti;
    Modificatori prossimo; // for the next key or group
    Modificatori gruppo;   // held through the open group
    bool gruppoAperto = false;

    const auto aggiungi = [&](Tasto tasto) {
        tasto.maiuscole = prossimo.maiuscole || gruppo.maiuscole;
        tasto.controllo = prossimo.controllo || gruppo.controllo;
        tasto.alt = prossimo.alt || gruppo.alt;
        tasti.push_back(tasto);
        prossimo = {};
    };

    size_t i = 0;
    while (i < t.size()) {
        const char c = t[i];
        if (c == '+' || c == '^' || c == '%') {
            (c == '+' ? prossimo.maiuscole : c == '^' ? prossimo.controllo : prossimo.alt) = true;
            ++i;
        } else if (c == '~') {
            aggiungi({.speciale = TastoSpeciale::Invio});
            ++i;
        } else if (c == '(') {
            if (gruppoAperto) {
                return std::nullopt;
            }
            gruppoAperto = true;
            gruppo = prossimo;
            prossimo = {};
            ++i;
        } else if (c == ')') {
            if (!gruppoAperto || prossimo.Alcuno()) {
                return std::nullopt;
            }
            gruppoAperto = false;
            gruppo = {};
            ++i;
        } else if (c == '{') {
            // The name ends at the first "}" after its first character, so "{}}" is "}".
            const size_t fine = t.find('}', i + 2);
            if (fine == std::string_view::npos) {
                return std::nullopt;
            }
            const std::string_view nome = t.substr(i + 1, fine - i - 1);
            size_t j = 0;
            const std::optional<char32_t> carattere = LeggiCarattere(nome, j);
            if (carattere && j == nome.size()) {
                aggiungi({.carattere = *carattere});
            } else if (const auto speciale = TastoDalNome(nome)) {
                aggiungi({.speciale = *speciale});
            } else {
                return std::nullopt;
            }
            i = fine + 1;
        } else if (c == '}' || c == '[' || c == ']') {
            return std::nullopt;
        } else {
            const std::optional<char32_t> carattere = LeggiCarattere(t, i);
            if (!carattere) {
                return std::nullopt;
            }
            aggiungi({.carattere = *carattere});
        }
    }
    if (gruppoAperto || prossimo.Alcuno()) {
        return std::nullopt;
    }
    return tasti;
}
