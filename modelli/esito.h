#pragma once

#include <optional>
#include <string>
#include <utility>

// A value or the reason there is none; for the fits and readers, never for the evaluation
// of a model (which must not allocate).
template <typename T> class Esito {
public:
    Esito(T valore) : valore_(std::move(valore)) {} // NOLINT: implicit, like std::expected
    static Esito Errore(std::string motivo) { return Esito(std::nullopt, std::move(motivo)); }

    bool Riuscito() const { return valore_.has_value(); }
    const T& Valore() const { return *valore_; }
    T& Valore() { return *valore_; }
    // Italian text for the user; empty when there is a value.
    const std::string& Motivo() const { return motivo_; }

private:
    Esito(std::nullopt_t, std::string motivo) : motivo_(std::move(motivo)) {}
    std::optional<T> valore_;
    std::string motivo_;
};
