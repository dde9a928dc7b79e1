#pragma once
// brevanto-ntc's command run in-process, and what it prints read back.
#include "ntc/comando.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

struct Esecuzione {
    int stato = 0;
    std::string uscita;
    std::string errori;
};

inline Esecuzione Esegui(std::vector<std::string_view> argomenti) {
    Esecuzione esito;
    esito.stato = EseguiComando(argomenti, esito.uscita, esito.errori);
    return esito;
}

// What the command prints, once its status is the one expected.
inline std::string Uscita(std::vector<std::string_view> argomenti, int stato = STATO_FATTO) {
    const Esecuzione esito = Esegui(std::move(argomenti));
    EXPECT_EQ(esito.stato, stato) << esito.errori;
    return esito.uscita;
}

// The whole text as a double, exactly as printed.
inline double Numero(std::string_view testo) {
    double valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    EXPECT_TRUE(errore == std::errc() && fine == testo.data() + testo.size()) << testo;
    return valore;
}

inline std::vector<std::string> Righe(const std::string& testo) {
    std::vector<std::string> righe;
    std::istringstream flusso(testo);
    for (std::string riga; std::getline(flusso, riga);) {
        righe.push_back(riga);
    }
    return righe;
}

// The text after "chiave: " (or "chiave=") on the line that starts with the key, up to a comma.
inline std::string Valore(const std::string& testo, std::string_view chiave) {
    for (const std::string& riga : Righe(testo)) {
        if (riga.starts_with(chiave) && riga.size() > chiave.size() &&
            (riga[chiave.size()] == ':' || riga[chiave.size()] == '=')) {
            const size_t inizio = riga.find_first_not_of(' ', chiave.size() + 1);
            const size_t fine = riga.find(',', inizio);
            return riga.substr(inizio, fine == std::string::npos ? fine : fine - inizio);
        }
    }
    ADD_FAILURE() << "no " << chiave << " in\n" << testo;
    return "";
}
