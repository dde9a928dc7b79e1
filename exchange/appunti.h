#pragma once

#include <string>

// The system clipboard, plain text only. Texts are UTF-8.
class Appunti {
public:
    virtual ~Appunti() = default;

    // Removes every format the clipboard holds.
    virtual void Svuota() = 0;
    virtual void ScriviTesto(const std::string& testo) = 0;
    // The plain text held, or "" when the clipboard holds none.
    virtual std::string LeggiTesto() = 0;
};
