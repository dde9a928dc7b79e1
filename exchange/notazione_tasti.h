#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The keystroke notation that the calculator command hands to the typing layer. A plain
// character stands for itself; "+", "^" and "%" hold Shift, Ctrl and Alt for the next key
// or for a group in parentheses; "~" is Enter; braces hold a literal character ("{+}",
// "{{}", "{}}") or a key name ("{ENTER}", "{TAB}", "{ESC}", "{BACKSPACE}", "{BS}").

enum class TastoSpeciale { Nessuno, Invio, Tabulazione, Esc, Indietro };

struct Tasto {
    char32_t carattere = 0; // when speciale is Nessuno
    TastoSpeciale speciale = TastoSpeciale::Nessuno;
    bool maiuscole = false;
    bool controllo = false;
    bool alt = false;

    bool operator==(const Tasto&) const = default;
};

// The text in the notation, every character typed as itself.
std::string InNotazioneTasti(std::string_view testo);

// The keys a text in the notation stands for, in order; empty for a malformed text
// (unbalanced brackets or braces, an unknown key name, invalid UTF-8), which is not typed.
std::optional<std::vector<Tasto>> InterpretaNotazioneTasti(std::string_view notazione);
