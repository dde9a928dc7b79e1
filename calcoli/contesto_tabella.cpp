#include "calcoli/contesto_tabella.h"

std::string VerificaNome(std::string_view nome) {
    const auto lettera = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto ammesso = [&](char c) { return lettera(c) || (c >= '0' && c <= '9') || c == '_'; };
    bool buono = !nome.empty() && lettera(nome.front());
    for (const char c : nome) {
        buono = buono && ammesso(c);
    }
    return buono ? std::string()
                 : "il nome '" + std::string(nome) +
                       "' non va: lettere, cifre e _, con una lettera in testa";
}
