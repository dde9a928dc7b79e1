#pragma once

#include "dialoghi/scelta_file.h"

#include <deque>
#include <vector>

// Answers for the user: the next path, or nothing for a cancel; keeps what it was shown.
class SceltaFileFinta : public SceltaFile {
public:
    std::optional<QString> Scegli(const ImpostazioniScelta& impostazioni,
                                  const QString& nomeFile) override {
        viste.push_back(impostazioni);
        nomiProposti.push_back(nomeFile);
        if (risposte.empty()) {
            return std::nullopt;
        }
        // Moving the std::optional itself out and returning it makes GCC 12 warn of an
        // uninitialised QString (-Wmaybe-uninitialized); the plain QString does not.
        const bool annullata = !risposte.front().has_value();
        QString nome = annullata ? QString() : std::move(*risposte.front());
        risposte.pop_front();
        if (annullata) {
            return std::nullopt;
        }
        return nome;
    }

    std::deque<std::optional<QString>> risposte;
    std::vector<ImpostazioniScelta> viste;
    std::vector<QString> nomiProposti;
};
