#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// An open file descriptor, closed when it goes out of scope.
class Descrittore {
public:
    Descrittore() = default;
    explicit Descrittore(int numero) : numero_(numero) {}
    ~Descrittore();
    Descrittore(Descrittore&& altro) noexcept : numero_(altro.numero_) { altro.numero_ = -1; }
    Descrittore& operator=(Descrittore&& altro) noexcept;
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;

    int Numero() const { return numero_; }
    bool Aperto() const { return numero_ >= 0; }
    // Closes now, reporting a failed close (where a delayed write error shows).
    bool Chiudi();

private:
    int numero_ = -1;
};

// All the bytes at the offset onward, through interrupted and partial writes.
bool ScriviTutto(int descrittore, std::string_view contenuto, std::size_t posizione);

// The file's bytes from the start; nothing on a read error or when there are more than
// massimo of them, so that a file growing while it is read is never read whole.
std::optional<std::string> LeggiTutto(int descrittore, std::size_t massimo);
