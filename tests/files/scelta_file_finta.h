#pragma once

#include "files/scelta_file.h"

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
