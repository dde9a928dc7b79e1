#include "ntc/argomenti.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool SembraNumeroNegativo(std::string_view parola) {
    if (parola.size() < 2 || parola[0] != '-') {
        return false;
    }
    const char c = parola[1];
    return (c >= '0' && c <= '9') || c == '.';
}

bool EOpzione(std::string_view parola) {
    return parola.size() > 1 && parola[0] == '-' && !SembraNumeroNegativo(parola);
}

const std::vector<std::string> NESSUN_VALORE;

} // namespace

const std::vector<std::string>& Argomenti::Valori(std::string_view nome) const {
    const auto trovata = opzioni.find(nome);
    return trovata == opzioni.end() ? NESSUN_VALORE : trovata->second;
}

Argomenti DividiArgomenti(std::string_view sottocomando, std::span<const std::string_view> parole,
                          std::span<const Opzione> ammesse) {
    Argomenti risultato;
    risultato.sottocomando = sottocomando;
    bool soloValori = false;
    for (size_t i = 0; i < parole.size(); ++i) {
        const std::string_view parola = parole[i];
        if (soloValori || !EOpzione(parola)) {
            risultato.valori.emplace_back(parola);
            continue;
        }
        if (parola == "--") {
            soloValori = true;
            continue;
        }
        if (!parola.starts_with("--")) {
            throw ErroreUso("opzione sconosciuta '" + std::string(parola) +
                            "' (le opzioni sono lunghe: --nome)");
        }
        const size_t uguale = parola.find('=');
        const std::string_view nome =
            parola.substr(2, uguale == std::string_view::npos ? uguale : uguale - 2);
        const auto opzione = std::find_if(ammesse.begin(), ammesse.end(),
                                          [nome](const Opzione& o) { return o.nome == nome; });
        if (opzione == ammesse.end()) {
            throw ErroreUso("opzione sconosciuta '--" + std::string(nome) + "' per '" +
                            std::string(sottocomando) + "'");
        }
        std::vector<std::string> valori;
        if (uguale != std::string_view::npos) {
            if (opzione->valori == 0) {
                throw ErroreUso("l'opzione '--" + std::string(nome) + "' non prende valori");
            }
            valori.emplace_back(parola.substr(uguale + 1));
        }
        if (opzione->valori == MOLTI) {
            while (i + 1 < parole.size() && !EOpzione(parole[i + 1])) {
                valori.emplace_back(parole[++i]);
            }
            if (valori.empty()) {
                throw ErroreUso("l'opzione '--" + std::string(nome) + "' vuole almeno un valore");
            }
        } else {
            while (std::ssize(valori) < opzione->valori) {
                if (i + 1 >= parole.size() || EOpzione(parole[i + 1])) {
                    throw ErroreUso("l'opzione '--" + std::string(nome) + "' vuole " +
                                    std::to_string(opzione->valori) +
                                    (opzione->valori > 1 ? " valori" : " valore"));
                }
                valori.emplace_back(parole[++i]);
            }
        }
        risultato.opzioni[std::string(nome)] = std::move(valori);
    }
    return risultato;
}

double LeggiValore(std::string_view testo, std::string_view cosa) {
    std::string_view numero = testo;
    // from_chars takes no leading '+', which a user may well write.
    if (numero.size() > 1 && numero[0] == '+' && numero[1] != '-') {
        numero.remove_prefix(1);
    }
    double valore = 0;
    const auto [fine, errore] =
        std::from_chars(numero.data(), numero.data() + numero.size(), valore);
    if (numero.empty() || errore != std::errc() || fine != numero.data() + numero.size() ||
        !std::isfinite(valore)) {
        throw ErroreUso(std::string(cosa) + ": '" + std::string(testo) + "' non è un numero");
    }
    return valore;
}
