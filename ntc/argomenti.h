#pragma once

#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Bad usage: an unknown subcommand or option, a missing or malformed value (exit status 2).
struct ErroreUso : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Bad data: an unreadable file, no fit, a value outside the model (exit status 1).
struct ErroreDati : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// How many values an option takes; MOLTI takes every following value up to the next
// option.
inline constexpr int MOLTI = -1;

struct Opzione {
    std::string_view nome; // without the leading "--"
    int valori = 0;
};

// A command line split into its subcommand, options and plain values. An option given
// twice keeps its last values.
struct Argomenti {
    std::string sottocomando;
    std::map<std::string, std::vector<std::string>, std::less<>> opzioni;
    std::vector<std::string> valori;

    bool Ha(std::string_view nome) const { return opzioni.find(nome) != opzioni.end(); }
    // The option's values; empty when the option was not given.
    const std::vector<std::string>& Valori(std::string_view nome) const;
};

// Splits the arguments after the subcommand by the subcommand's own option table.
// "--opt VALUE" and "--opt=VALUE" (the first value of a many-valued option), "--" ends the
// options, and a word that reads as a negative number ("-40", "-.5", "-40:336000") is a
// value, never an option. An unknown option is refused with the nearest known one.
Argomenti DividiArgomenti(std::string_view sottocomando, std::span<const std::string_view> parole,
                          std::span<const Opzione> ammesse);

// " (forse --beta?)" for a mistyped word among the known ones, else empty.
std::string Suggerimento(std::string_view parola, std::span<const std::string_view> note,
                         std::string_view prefisso);

// The whole text as a finite number, in the C locale's form whatever the locale is; cosa
// names it in the message.
double LeggiValore(std::string_view testo, std::string_view cosa);

// A resistance as engineers write it: a number as LeggiValore reads it, or digits with a
// multiplier R (1), k or K (10³) or M (10⁶) after them or in place of the decimal point:
// 470R, 4R7, 10k, 4k7, 2.2k, 10K, 1M. "m" is never mega.
double LeggiOhm(std::string_view testo, std::string_view cosa);
