#include "ntc/argomenti.h"

#include "modelli/numero_decimale.h"
#include "ntc/parola_vicina.h"

#include <algorithm>
#include <optional>

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
        std::vector<std::string_view> nomi(ammesse.size());
        std::transform(ammesse.begin(), ammesse.end(), nomi.begin(),
                       [](const Opzione& o) { return o.nome; });
        if (!parola.starts_with("--")) {
            throw ErroreUso("opzione sconosciuta '" + std::string(parola) +
                            "': le opzioni sono lunghe, --nome" +
                            Suggerimento(parola.substr(1), nomi, "--"));
        }
        const size_t uguale = parola.find('=');
        const std::string_view nome =
            parola.substr(2, uguale == std::string_view::npos ? uguale : uguale - 2);
        const auto opzione = std::find_if(ammesse.begin(), ammesse.end(),
                                          [nome](const Opzione& o) { return o.nome == nome; });
        if (opzione == ammesse.end()) {
            throw ErroreUso("opzione sconosciuta '--" + std::string(nome) + "' per '" +
                            std::string(sottocomando) + "'" + Suggerimento(nome, nomi, "--"));
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

std::string Suggerimento(std::string_view parola, std::span<const std::string_view> note,
                         std::string_view prefisso) {
    const auto vicina = ParolaVicina(parola, note);
    return vicina ? " (forse " + std::string(prefisso) + std::string(*vicina) + "?)" : "";
}

namespace {

[[noreturn]] void Rifiuta(std::string_view testo, std::string_view cosa, std::string_view perche) {
    std::string messaggio =
        std::string(cosa) + ": '" + std::string(testo) + "' " + std::string(perche);
    // "3,5" is not read: the comma separates the fields of the CSV the command writes.
    std::string conPunto(testo);
    std::replace(conPunto.begin(), conPunto.end(), ',', '.');
    if (conPunto != testo && LeggiDecimale(conPunto)) {
        messaggio += ": il separatore decimale è il punto (" + conPunto + ")";
    }
    throw ErroreUso(messaggio);
}

} // namespace

double LeggiValore(std::string_view testo, std::string_view cosa) {
    const auto valore = LeggiDecimale(testo);
    if (!valore) {
        Rifiuta(testo, cosa, "non è un numero");
    }
    return *valore;
}

double LeggiOhm(std::string_view testo, std::string_view cosa) {
    const size_t lettera = testo.find_first_of("RkKM");
    std::optional<double> valore;
    if (lettera == std::string_view::npos) {
        valore = LeggiDecimale(testo);
    } else {
        const std::string_view prima = testo.substr(0, lettera);
        const std::string_view dopo = testo.substr(lettera + 1);
        const bool cifre =
            !prima.empty() && prima.find_first_not_of("+-.0123456789") == std::string_view::npos;
        const bool decimali = dopo.find_first_not_of("0123456789") == std::string_view::npos &&
                              (dopo.empty() || prima.find('.') == std::string_view::npos);
        constexpr int KILO = 3;
        constexpr int MEGA = 6;
        const char moltiplicatore = testo[lettera];
        const int potenza = moltiplicatore == 'R' ? 0 : (moltiplicatore == 'M' ? MEGA : KILO);
        if (cifre && decimali) {
            valore = LeggiDecimale(
                std::string(prima) + (dopo.empty() ? "" : ".") + std::string(dopo), potenza);
        }
    }
    if (!valore) {
        Rifiuta(testo, cosa, "non è una resistenza (4700, 4.7e3, 4k7, 10k, 470R, 1M)");
    }
    return *valore;
}
