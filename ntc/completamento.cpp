#include "ntc/completamento.h"

#include "calcoli/formato_tabella.h"
#include "calcoli/marlin.h"
#include "calcoli/progetto.h"
#include "modelli/registro_modelli.h"
#include "ntc/aiuto.h"
#include "ntc/partitore_da_opzioni.h"
#include "ntc/sottocomandi.h"

#include <algorithm>
#include <array>

namespace {

// Options whose value is a file name.
constexpr std::array<std::string_view, 3> DI_FILE{"tabella", "file", "salva"};
constexpr std::string_view FILE_QUALSIASI = "@file\n";

void Righe(std::string& testo, std::initializer_list<std::string_view> parole) {
    for (const std::string_view parola : parole) {
        testo += parola;
        testo += '\n';
    }
}

// The values of an option that takes one of a few words.
std::string Scelte(std::string_view opzione) {
    std::string testo;
    if (opzione == "formato") {
        for (const FormatoTabella& formato : TuttiIFormati()) {
            Righe(testo, {NomeFormato(formato)});
        }
    } else if (opzione == "modello") {
        for (const TipoModello& tipo : TIPI_MODELLO) {
            Righe(testo, {tipo.nome});
        }
    } else if (opzione == "riscaldatore") {
        for (const RiscaldatoreMarlin& riscaldatore : RISCALDATORI_MARLIN) {
            Righe(testo, {riscaldatore.nome});
        }
    } else if (opzione == "verso") {
        for (const std::string_view verso : VERSI) {
            Righe(testo, {verso});
        }
    } else if (opzione == "serie") {
        for (const SeriePreferita serie : TUTTE_LE_SERIE) {
            Righe(testo, {NomeSerie(serie)});
        }
    } else if (opzione == "criterio") {
        for (const auto criterio : TUTTI_I_CRITERI) {
            Righe(testo, {NomeCriterio(criterio)});
        }
    }
    return testo;
}

} // namespace

std::string ParoleCompletamento(std::span<const std::string_view> parole) {
    std::string testo;
    const auto& tutti = Sottocomandi();
    if (parole.empty()) {
        for (const Sottocomando& s : tutti) {
            Righe(testo, {s.nome});
        }
        Righe(testo, {AIUTO, "--help", "--version"});
        return testo;
    }
    // "help SOTTOCOMANDO": the subcommands, once.
    if (parole[0] == AIUTO) {
        if (parole.size() > 1 && parole[1] == AIUTO) {
            for (const Sottocomando& s : tutti) {
                Righe(testo, {s.nome});
            }
        }
        return testo;
    }
    const auto trovato = std::find_if(tutti.begin(), tutti.end(),
                                      [&](const Sottocomando& s) { return s.nome == parole[0]; });
    if (trovato == tutti.end()) {
        return testo;
    }
    if (parole.size() > 1 && parole[1].starts_with("--")) {
        const std::string_view precedente = parole[1].substr(2);
        const auto opzione = std::find_if(trovato->opzioni.begin(), trovato->opzioni.end(),
                                          [&](const Opzione& o) { return o.nome == precedente; });
        if (opzione != trovato->opzioni.end() && opzione->valori != 0) {
            if (std::find(DI_FILE.begin(), DI_FILE.end(), precedente) != DI_FILE.end()) {
                return std::string(FILE_QUALSIASI);
            }
            return Scelte(precedente);
        }
    }
    for (const Opzione& opzione : trovato->opzioni) {
        testo += "--";
        Righe(testo, {opzione.nome});
    }
    Righe(testo, {"--help"});
    return testo;
}
