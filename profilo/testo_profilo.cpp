#include "profilo/testo_profilo.h"

#include <algorithm>

namespace {

constexpr std::string_view BOM_UTF8 = "\xEF\xBB\xBF";
constexpr std::string_view FINE_RIGA_NUOVA = "\r\n";

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

// One line: all its bytes, its text without a first line's UTF-8 mark and without the line
// end, and the line end itself (empty on a last line that has none).
struct Riga {
    std::string_view intera;
    std::string_view testo;
    std::string_view fine;
};

// The lines one after the other, with no table of them: a file of a million empty lines
// costs no more memory than its own bytes.
class Righe {
public:
    explicit Righe(std::string_view testo) : testo_(testo) {}

    std::optional<Riga> Prossima() {
        if (posizione_ >= testo_.size()) {
            return std::nullopt;
        }
        const std::size_t inizio = posizione_;
        std::size_t a = testo_.find_first_of("\r\n", inizio);
        if (a == std::string_view::npos) {
            a = testo_.size();
        }
        std::size_t fine = std::min(a + 1, testo_.size());
        if (a + 1 < testo_.size() && testo_[a] == '\r' && testo_[a + 1] == '\n') {
            fine = a + 2;
        }
        posizione_ = fine;
        Riga riga{testo_.substr(inizio, fine - inizio), testo_.substr(inizio, a - inizio),
                  testo_.substr(a, fine - a)};
        if (inizio == 0 && riga.testo.starts_with(BOM_UTF8)) {
            riga.testo.remove_prefix(BOM_UTF8.size());
        }
        return riga;
    }

private:
    std::string_view testo_;
    std::size_t posizione_ = 0;
};

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

// Follows which section each line is in: only the first section of each name counts.
class Sezioni {
public:
    // The section the key line belongs to; nothing before any header or in a repeated one.
    void Leggi(const Significato& s) {
        if (s.tipo != TipoRiga::Sezione) {
            return;
        }
        const bool vista = std::any_of(viste_.begin(), viste_.end(), [&](std::string_view nome) {
            return StessoNome(nome, s.nome);
        });
        corrente_ = vista ? std::nullopt : std::optional(s.nome);
        if (!vista) {
            viste_.push_back(s.nome);
        }
    }
    const std::optional<std::string_view>& Corrente() const { return corrente_; }

private:
    std::vector<std::string_view> viste_;
    std::optional<std::string_view> corrente_;
};

std::string_view FineRigaDelFile(std::string_view testo) {
    const std::size_t a = testo.find_first_of("\r\n");
    if (a == std::string_view::npos) {
        return FINE_RIGA_NUOVA;
    }
    if (testo[a] == '\n') {
        return "\n";
    }
    return testo.substr(a + 1).starts_with('\n') ? "\r\n" : "\r";
}

bool TerminaRiga(std::string_view testo) {
    if (testo.starts_with(BOM_UTF8)) {
        testo.remove_prefix(BOM_UTF8.size());
    }
    return testo.empty() || testo.back() == '\n' || testo.back() == '\r';
}

// The entries to write: each section and key once, with its last value, in order of first
// mention.
std::vector<VoceProfilo> SenzaDoppioni(std::span<const VoceProfilo> voci) {
    std::vector<VoceProfilo> uniche;
    for (const VoceProfilo& voce : voci) {
        const auto stessa = std::find_if(uniche.begin(), uniche.end(), [&](const VoceProfilo& u) {
            return StessoNome(u.sezione, voce.sezione) && StessoNome(u.chiave, voce.chiave);
        });
        if (stessa == uniche.end()) {
            uniche.push_back(voce);
        } else {
            stessa->valore = voce.valore;
        }
    }
    return uniche;
}

// Where a section's entries land: the line of each present key, and the line after which
// the missing keys go.
struct PostoSezione {
    std::string_view nome;
    std::optional<std::size_t> ultimaPiena; // the header, or its last non-blank line
    std::vector<std::optional<std::size_t>> righeChiavi;
    std::vector<const VoceProfilo*> voci;
};

std::vector<PostoSezione> TrovaPosti(std::string_view testo, const std::vector<VoceProfilo>& voci) {
    std::vector<PostoSezione> posti;
    for (const VoceProfilo& voce : voci) {
        auto posto = std::find_if(posti.begin(), posti.end(), [&](const PostoSezione& p) {
            return StessoNome(p.nome, voce.sezione);
        });
        if (posto == posti.end()) {
            posto = posti.insert(posti.end(), PostoSezione{voce.sezione, {}, {}, {}});
        }
        posto->voci.push_back(&voce);
        posto->righeChiavi.emplace_back();
    }
    Righe righe(testo);
    Sezioni sezioni;
    PostoSezione* corrente = nullptr;
    for (std::size_t i = 0; const auto riga = righe.Prossima(); ++i) {
        const Significato s = Analizza(riga->testo);
        sezioni.Leggi(s);
        if (s.tipo == TipoRiga::Sezione) {
            corrente = nullptr;
            if (sezioni.Corrente()) {
                for (PostoSezione& posto : posti) {
                    if (StessoNome(posto.nome, *sezioni.Corrente())) {
                        corrente = &posto;
                        posto.ultimaPiena = i;
                    }
                }
            }
            continue;
        }
        if (corrente == nullptr || s.tipo == TipoRiga::Vuota) {
            continue;
        }
        corrente->ultimaPiena = i;
        for (std::size_t k = 0; k < corrente->voci.size() && s.tipo == TipoRiga::Chiave; ++k) {
            if (!corrente->righeChiavi[k] && StessoNome(corrente->voci[k]->chiave, s.nome)) {
                corrente->righeChiavi[k] = i;
            }
        }
    }
    return posti;
}

void AggiungiVoce(std::string& uscita, const VoceProfilo& voce, std::string_view fine) {
    uscita += voce.chiave;
    uscita += '=';
    uscita += voce.valore;
    uscita += fine;
}

void AggiungiMancanti(std::string& uscita, const PostoSezione& posto, std::string_view fine) {
    for (std::size_t k = 0; k < posto.voci.size(); ++k) {
        if (!posto.righeChiavi[k]) {
            if (!TerminaRiga(uscita)) {
                uscita += fine;
            }
            AggiungiVoce(uscita, *posto.voci[k], fine);
        }
    }
}

} // namespace

std::optional<std::string> TrovaValoreProfilo(std::string_view testo, std::string_view sezione,
                                              std::string_view chiave) {
    Righe righe(testo);
    Sezioni sezioni;
    while (const auto riga = righe.Prossima()) {
        const Significato s = Analizza(riga->testo);
        sezioni.Leggi(s);
        if (s.tipo == TipoRiga::Chiave && sezioni.Corrente() &&
            StessoNome(*sezioni.Corrente(), sezione) && StessoNome(s.nome, chiave)) {
            return std::string(s.valore);
        }
    }
    return std::nullopt;
}

bool VoceScrivibile(const VoceProfilo& voce) {
    const auto pulito = [](std::string_view testo) {
        return testo.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
    };
    const auto nome = [&](std::string_view testo) {
        return !testo.empty() && pulito(testo) && Rifila(testo) == testo;
    };
    return nome(voce.sezione) && voce.sezione.find_first_of("[]") == std::string::npos &&
           nome(voce.chiave) && voce.chiave.find('=') == std::string::npos &&
           voce.chiave.front() != ';' && voce.chiave.front() != '[' && pulito(voce.valore);
}

std::string ImpostaVociProfilo(std::string_view testo, std::span<const VoceProfilo> voci) {
    const std::vector<VoceProfilo> uniche = SenzaDoppioni(voci);
    const std::vector<PostoSezione> posti = TrovaPosti(testo, uniche);
    const std::string_view fine = FineRigaDelFile(testo);
    std::string uscita;
    uscita.reserve(testo.size() + 64);
    Righe righe(testo);
    for (std::size_t i = 0; const auto riga = righe.Prossima(); ++i) {
        // Lines added with a lone CR before a line that starts with LF would merge with it.
        if (uscita.ends_with('\r') && riga->intera.starts_with('\n')) {
            uscita += '\n';
        }
        const VoceProfilo* sostituta = nullptr;
        for (const PostoSezione& posto : posti) {
            for (std::size_t k = 0; k < posto.voci.size(); ++k) {
                if (posto.righeChiavi[k] == i) {
                    sostituta = posto.voci[k];
                }
            }
        }
        if (sostituta != nullptr) {
            // A first line keeps its UTF-8 mark ahead of the key.
            uscita += riga->intera.substr(
                0, static_cast<std::size_t>(riga->testo.data() - riga->intera.data()));
            AggiungiVoce(uscita, *sostituta, riga->fine);
        } else {
            uscita += riga->intera;
        }
        for (const PostoSezione& posto : posti) {
            if (posto.ultimaPiena == i) {
                AggiungiMancanti(uscita, posto, fine);
            }
        }
    }
    for (const PostoSezione& posto : posti) {
        if (posto.ultimaPiena) {
            continue;
        }
        if (!TerminaRiga(uscita)) {
            uscita += fine;
        }
        uscita += '[';
        uscita += posto.nome;
        uscita += ']';
        uscita += fine;
        AggiungiMancanti(uscita, posto, fine);
    }
    return uscita;
}
