#include "ntc/modello_da_opzioni.h"

#include "modelli/file_modello.h"
#include "modelli/modello_tabella.h"
#include "modelli/registro_modelli.h"
#include "modelli/tabella_csv.h"

#include <algorithm>

namespace {

constexpr Opzione OPZIONE_TABELLA{"tabella", 1};
constexpr Opzione OPZIONE_FILE{"file", 1};

// How many kinds take the option: one names its kind, more only complete one.
int TipiConOpzione(std::string_view nome) {
    return static_cast<int>(
        std::count_if(TIPI_MODELLO.begin(), TIPI_MODELLO.end(), [&](const TipoModello& tipo) {
            return std::any_of(tipo.opzioni.begin(), tipo.opzioni.end(),
                               [&](const OpzioneModello& o) { return o.nome == nome; });
        }));
}

// The option given that names the kind, if any.
std::optional<std::string_view> OpzioneDelTipo(const Argomenti& argomenti,
                                               const TipoModello& tipo) {
    for (const OpzioneModello& opzione : tipo.opzioni) {
        if (argomenti.Ha(opzione.nome) && TipiConOpzione(opzione.nome) == 1) {
            return opzione.nome;
        }
    }
    return std::nullopt;
}

std::string Sinossi(const TipoModello& tipo) {
    std::string testo;
    for (const OpzioneModello& opzione : tipo.opzioni) {
        const bool facoltativa = opzione.predefinito.has_value();
        testo += testo.empty() ? "" : " ";
        testo += facoltativa ? "[--" : "--";
        testo += opzione.nome;
        testo += ' ';
        testo += opzione.segnaposto;
        testo += facoltativa ? "]" : "";
    }
    return testo;
}

ParametriModello ParametriDelTipo(const Argomenti& argomenti, std::size_t indice) {
    const TipoModello& tipo = TIPI_MODELLO[indice];
    std::vector<double> valori(tipo.coefficienti.size());
    for (const OpzioneModello& opzione : tipo.opzioni) {
        const auto& testi = argomenti.Valori(opzione.nome);
        if (testi.empty() && !opzione.predefinito) {
            throw ErroreUso("manca l'opzione --" + std::string(opzione.nome));
        }
        for (std::size_t i = 0; i < opzione.quanti; ++i) {
            valori[opzione.primo + i] =
                testi.empty() ? *opzione.predefinito : ValoreOpzioneModello(testi[i], opzione);
        }
    }
    const ParametriModello parametri = ParametriDaValori(indice, valori);
    if (const std::string motivo = VerificaParametri(parametri); !motivo.empty()) {
        throw ErroreDati(motivo);
    }
    return parametri;
}

ModelloCostruito DaiParametri(const ParametriModello& parametri) {
    return {CreaModello(parametri), parametri};
}

} // namespace

const std::vector<Opzione>& OpzioniModello() {
    static const std::vector<Opzione> OPZIONI = [] {
        std::vector<Opzione> tutte;
        for (const TipoModello& tipo : TIPI_MODELLO) {
            for (const OpzioneModello& opzione : tipo.opzioni) {
                if (std::none_of(tutte.begin(), tutte.end(),
                                 [&](const Opzione& o) { return o.nome == opzione.nome; })) {
                    tutte.push_back({opzione.nome, static_cast<int>(opzione.quanti)});
                }
            }
        }
        tutte.push_back(OPZIONE_TABELLA);
        tutte.push_back(OPZIONE_FILE);
        return tutte;
    }();
    return OPZIONI;
}

std::string SinossiModello() {
    std::string testo;
    for (const TipoModello& tipo : TIPI_MODELLO) {
        testo += Sinossi(tipo) + " | ";
    }
    return testo + "--tabella FILE.csv | --file PARAMETRI.ntc";
}

double NumeroOpzione(const Argomenti& argomenti, std::string_view nome, double predefinito) {
    const auto& valori = argomenti.Valori(nome);
    return valori.empty() ? predefinito : LeggiValore(valori.front(), "--" + std::string(nome));
}

double NumeroOpzione(const Argomenti& argomenti, std::string_view nome) {
    if (!argomenti.Ha(nome)) {
        throw ErroreUso("manca l'opzione --" + std::string(nome));
    }
    return NumeroOpzione(argomenti, nome, 0);
}

double OhmOpzione(const Argomenti& argomenti, std::string_view nome) {
    if (!argomenti.Ha(nome)) {
        throw ErroreUso("manca l'opzione --" + std::string(nome));
    }
    return LeggiOhm(argomenti.Valori(nome).front(), "--" + std::string(nome));
}

double ValoreOpzioneModello(std::string_view testo, const OpzioneModello& opzione) {
    const std::string cosa = "--" + std::string(opzione.nome);
    return opzione.ohm ? LeggiOhm(testo, cosa) : LeggiValore(testo, cosa);
}

std::vector<PuntoRT> LeggiPuntiTabella(const std::string& percorso) {
    TabellaLetta letta = LeggiFileTabellaCSV(percorso);
    if (!letta.erroreFile.empty()) {
        throw ErroreDati(letta.erroreFile);
    }
    if (!letta.errori.empty()) {
        std::string testo;
        for (const ErroreRiga& errore : letta.errori) {
            testo += (testo.empty() ? "" : "\n") + percorso + ":" + std::to_string(errore.riga) +
                     ": " + errore.motivo;
        }
        if (const std::string altre = TestoAltreRighe(letta); !altre.empty()) {
            testo += "\n" + percorso + ": " + altre;
        }
        throw ErroreDati(testo);
    }
    return std::move(letta.righe);
}

std::unique_ptr<ModelloNTC> CostruisciModello(const Argomenti& argomenti) {
    return CostruisciModelloEParametri(argomenti).modello;
}

ModelloCostruito CostruisciModelloEParametri(const Argomenti& argomenti) {
    // Each model named, by the option that names it.
    std::vector<std::pair<std::string_view, std::optional<std::size_t>>> nominati;
    for (std::size_t i = 0; i < TIPI_MODELLO.size(); ++i) {
        if (const auto opzione = OpzioneDelTipo(argomenti, TIPI_MODELLO[i])) {
            nominati.emplace_back(*opzione, i);
        }
    }
    for (const Opzione& altra : {OPZIONE_TABELLA, OPZIONE_FILE}) {
        if (argomenti.Ha(altra.nome)) {
            nominati.emplace_back(altra.nome, std::nullopt);
        }
    }
    if (nominati.empty()) {
        for (const Opzione& opzione : OpzioniModello()) {
            if (argomenti.Ha(opzione.nome)) {
                throw ErroreUso("--" + std::string(opzione.nome) +
                                " non basta a dare un modello: " + SinossiModello());
            }
        }
        throw ErroreUso("manca il modello: " + SinossiModello());
    }
    if (nominati.size() > 1) {
        throw ErroreUso("un modello solo: --" + std::string(nominati[0].first) + " e --" +
                        std::string(nominati[1].first) + " ne danno due");
    }
    const auto [opzione, tipo] = nominati.front();
    if (tipo) {
        const TipoModello& scelto = TIPI_MODELLO[*tipo];
        for (const Opzione& data : OpzioniModello()) {
            const bool delTipo =
                std::any_of(scelto.opzioni.begin(), scelto.opzioni.end(),
                            [&](const OpzioneModello& o) { return o.nome == data.nome; });
            if (argomenti.Ha(data.nome) && !delTipo) {
                throw ErroreUso("--" + std::string(data.nome) + " non va con --" +
                                std::string(opzione));
            }
        }
        return DaiParametri(ParametriDelTipo(argomenti, *tipo));
    }
    const std::string& percorso = argomenti.Valori(opzione).front();
    if (opzione == OPZIONE_FILE.nome) {
        const auto caricato = CaricaModello(percorso);
        if (!caricato.Riuscito()) {
            throw ErroreDati(percorso + ": " + caricato.Motivo());
        }
        if (const std::string motivo = VerificaParametri(caricato.Valore()); !motivo.empty()) {
            throw ErroreDati(percorso + ": " + motivo);
        }
        return DaiParametri(caricato.Valore());
    }
    auto creata = ModelloTabella::Crea(LeggiPuntiTabella(percorso));
    if (!creata.Riuscito()) {
        throw ErroreDati(percorso + ": " + creata.Motivo());
    }
    return {std::make_unique<ModelloTabella>(std::move(creata.Valore())), std::nullopt};
}
