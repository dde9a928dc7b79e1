#include "testo_profilo.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";
constexpr std::string_view FINE_RIGA = "\r\n";

bool EBlank(char c) {
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

std::string_view Rifila(std::string_view testo) {
    while (!testo.empty() && EBlank(testo.front())) {
        testo.remove_prefix(1);
    }
    while (!testo.empty() && EBlank(testo.back())) {
        testo.remove_suffix(1);
    }
    return testo;
}

char Minuscola(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StessoNome(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Minuscola(x) == Minuscola(y);
           });
}

// One line: its bytes from inizio to fine, the text without the line end up to fineTesto.
struct Riga {
    std::size_t inizio = 0;
    std::size_t fineTesto = 0;
    std::size_t fine = 0;
};

// CR LF, LF and CR all end a line; the last line may have no end.
std::vector<Riga> DividiRighe(std::string_view contenuto) {
    std::vector<Riga> righe;
    std::size_t inizio = 0;
    while (inizio < contenuto.size()) {
        const std::size_t a = contenuto.find_first_of("\r\n", inizio);
        Riga riga{inizio, a == std::string_view::npos ? contenuto.size() : a, 0};
        riga.fine = riga.fineTesto;
        if (a != std::string_view::npos) {
            riga.fine = a + 1;
            if (contenuto[a] == '\r' && a + 1 < contenuto.size() && contenuto[a + 1] == '\n') {
                riga.fine = a + 2;
            }
        }
        righe.push_back(riga);
        inizio = riga.fine;
    }
    return righe;
}

enum class TipoRiga { Vuota, Sezione, Chiave, Altro };

struct Significato {
    TipoRiga tipo = TipoRiga::Altro;
    std::string_view nome;
    std::string_view valore;
};

Significato Analizza(std::string_view testo) {
    testo = Rifila(testo);
    if (testo.empty()) {
        return {TipoRiga::Vuota, {}, {}};
    }
    if (testo.front() == ';') {
        return {};
    }
    if (testo.front() == '[') {
        const std::size_t chiusa = testo.find(']');
        if (chiusa == std::string_view::npos) {
            return {};
        }
        return {TipoRiga::Sezione, Rifila(testo.substr(1, chiusa - 1)), {}};
    }
    const std::size_t uguale = testo.find('=');
    if (uguale == std::string_view::npos) {
        return {};
    }
    std::string_view valore = Rifila(testo.substr(uguale + 1));
    if (valore.size() >= 2 && (valore.front() == '"' || valore.front() == '\'') &&
        valore.back() == valore.front()) {
        valore = valore.substr(1, valore.size() - 2);
    }
    return {TipoRiga::Chiave, Rifila(testo.substr(0, uguale)), valore};
}

std::string_view TestoRiga(std::string_view contenuto, const Riga& riga) {
    std::string_view testo = contenuto.substr(riga.inizio, riga.fineTesto - riga.inizio);
    if (riga.inizio == 0 && testo.starts_with(BOM)) {
        testo.remove_prefix(BOM.size());
    }
    return testo;
}

// The lines of the first section with this name: from its header to the next header.
struct Estensione {
    std::size_t intestazione = 0;
    std::size_t fine = 0;
};

std::optional<Estensione> TrovaSezione(std::string_view contenuto, const std::vector<Riga>& righe,
                                       std::string_view sezione) {
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const Significato s = Analizza(TestoRiga(contenuto, righe[i]));
        if (s.tipo != TipoRiga::Sezione || !StessoNome(s.nome, sezione)) {
            continue;
        }
        std::size_t fine = i + 1;
        while (fine < righe.size() &&
               Analizza(TestoRiga(contenuto, righe[fine])).tipo != TipoRiga::Sezione) {
            ++fine;
        }
        return Estensione{i, fine};
    }
    return std::nullopt;
}

bool TerminaRiga(std::string_view testo) {
    const std::string_view senzaBom = testo.starts_with(BOM) ? testo.substr(BOM.size()) : testo;
    return senzaBom.empty() || senzaBom.back() == '\n' || senzaBom.back() == '\r';
}

void AggiungiVoce(std::string& uscita, const VoceProfilo& voce) {
    uscita += voce.chiave;
    uscita += '=';
    uscita += voce.valore;
    uscita += FINE_RIGA;
}

} // namespace

std::optional<std::string> TrovaValoreProfilo(std::string_view contenuto, std::string_view sezione,
                                              std::string_view chiave) {
    const std::vector<Riga> righe = DividiRighe(contenuto);
    const auto estensione = TrovaSezione(contenuto, righe, sezione);
    if (!estensione) {
        return std::nullopt;
    }
    for (std::size_t i = estensione->intestazione + 1; i < estensione->fine; ++i) {
        const Significato s = Analizza(TestoRiga(contenuto, righe[i]));
        if (s.tipo == TipoRiga::Chiave && StessoNome(s.nome, chiave)) {
            return std::string(s.valore);
        }
    }
    return std::nullopt;
}

bool VoceScrivibile(std::string_view sezione, const VoceProfilo& voce) {
    const auto pulito = [](std::string_view testo) {
        return testo.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
    };
    const auto nome = [&](std::string_view testo) {
        return !testo.empty() && pulito(testo) && Rifila(testo) == testo;
    };
    return nome(sezione) && sezione.find_first_of("[]") == std::string_view::npos &&
           nome(voce.chiave) && voce.chiave.find('=') == std::string::npos &&
           voce.chiave.front() != ';' && voce.chiave.front() != '[' && pulito(voce.valore);
}

std::string ImpostaVociProfilo(std::string_view contenuto, std::string_view sezione,
                               std::span<const VoceProfilo> voci) {
    const std::vector<Riga> righe = DividiRighe(contenuto);
    const auto estensione = TrovaSezione(contenuto, righe, sezione);
    std::string uscita;
    uscita.reserve(contenuto.size() + 64);
    if (!estensione) {
        uscita = contenuto;
        if (!TerminaRiga(uscita)) {
            uscita += FINE_RIGA;
        }
        uscita += '[';
        uscita += sezione;
        uscita += ']';
        uscita += FINE_RIGA;
        for (const VoceProfilo& voce : voci) {
            AggiungiVoce(uscita, voce);
        }
        return uscita;
    }

    // Which line each key replaces, and after which line the missing ones go.
    std::vector<const VoceProfilo*> sostituzione(righe.size(), nullptr);
    std::vector<const VoceProfilo*> mancanti;
    std::size_t ultimaPiena = estensione->intestazione;
    for (std::size_t i = estensione->intestazione + 1; i < estensione->fine; ++i) {
        if (Analizza(TestoRiga(contenuto, righe[i])).tipo != TipoRiga::Vuota) {
            ultimaPiena = i;
        }
    }
    for (const VoceProfilo& voce : voci) {
        bool trovata = false;
        for (std::size_t i = estensione->intestazione + 1; i < estensione->fine && !trovata; ++i) {
            const Significato s = Analizza(TestoRiga(contenuto, righe[i]));
            if (s.tipo == TipoRiga::Chiave && StessoNome(s.nome, voce.chiave)) {
                sostituzione[i] = &voce;
                trovata = true;
            }
        }
        if (!trovata) {
            mancanti.push_back(&voce);
        }
    }

    for (std::size_t i = 0; i < righe.size(); ++i) {
        if (sostituzione[i] != nullptr) {
            AggiungiVoce(uscita, *sostituzione[i]);
        } else {
            uscita += contenuto.substr(righe[i].inizio, righe[i].fine - righe[i].inizio);
        }
        if (i == ultimaPiena && !mancanti.empty()) {
            if (!TerminaRiga(uscita)) {
                uscita += FINE_RIGA;
            }
            for (const VoceProfilo* voce : mancanti) {
                AggiungiVoce(uscita, *voce);
            }
        }
    }
    return uscita;
}
