#include "modelli/tabella_csv.h"

#include "modelli/modello_ntc.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";
constexpr std::string_view SPAZI = " \t\r";

std::string_view Ritaglia(std::string_view testo, std::string_view spazi) {
    const auto inizio = testo.find_first_not_of(spazi);
    if (inizio == std::string_view::npos) {
        return {};
    }
    return testo.substr(inizio, testo.find_last_not_of(spazi) - inizio + 1);
}

bool IniziaConNumero(std::string_view riga) {
    std::size_t i = 0;
    if (i < riga.size() && (riga[i] == '-' || riga[i] == '+')) {
        ++i;
    }
    if (i < riga.size() && (riga[i] == '.' || riga[i] == ',')) {
        ++i;
    }
    return i < riga.size() && riga[i] >= '0' && riga[i] <= '9';
}

// The whole field as one finite number; with a decimal comma, "," stands for ".".
std::optional<double> LeggiCampo(std::string_view campo, bool virgolaDecimale) {
    campo = Ritaglia(campo, " ");
    std::string testo(campo);
    if (virgolaDecimale) {
        for (char& c : testo) {
            if (c == ',') {
                c = '.';
            } else if (c == '.') {
                return std::nullopt; // a point beside a decimal comma is not guessed at
            }
        }
    }
    // from_chars takes no "+", but a written "+5" is a plain number.
    std::string_view cifre(testo);
    if (!cifre.empty() && cifre.front() == '+') {
        cifre.remove_prefix(1);
        if (!cifre.empty() && cifre.front() == '-') {
            return std::nullopt;
        }
    }
    double valore = 0;
    const auto esito = std::from_chars(cifre.data(), cifre.data() + cifre.size(), valore,
                                       std::chars_format::general);
    if (cifre.empty() || esito.ec != std::errc() || esito.ptr != cifre.data() + cifre.size() ||
        !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

// One data line to a point, or the reason it is not one.
std::optional<PuntoRT> LeggiRiga(std::string_view riga, std::string& motivo) {
    const bool puntoEVirgola = riga.find(';') != std::string_view::npos;
    const bool tabulazione = riga.find('\t') != std::string_view::npos;
    if (puntoEVirgola && tabulazione) {
        motivo = "separatori misti (\";\" e tabulazione)";
        return std::nullopt;
    }
    const char separatore = puntoEVirgola ? ';' : (tabulazione ? '\t' : ',');
    const auto posizione = riga.find(separatore);
    if (posizione == std::string_view::npos) {
        motivo = "servono due valori, temperatura e resistenza";
        return std::nullopt;
    }
    const std::string_view primo = riga.substr(0, posizione);
    const std::string_view secondo = riga.substr(posizione + 1);
    if (secondo.find(separatore) != std::string_view::npos) {
        motivo = "più di due valori";
        return std::nullopt;
    }
    const bool virgolaDecimale = separatore != ',';
    const auto temperatura = LeggiCampo(primo, virgolaDecimale);
    const auto resistenza = LeggiCampo(secondo, virgolaDecimale);
    if (!temperatura) {
        motivo = "temperatura non leggibile";
        return std::nullopt;
    }
    if (!resistenza) {
        motivo = "resistenza non leggibile";
        return std::nullopt;
    }
    if (!(*temperatura > -ZERO_CELSIUS_K)) {
        motivo = "temperatura sotto lo zero assoluto";
        return std::nullopt;
    }
    if (!(*resistenza > 0)) {
        motivo = "resistenza non positiva";
        return std::nullopt;
    }
    return PuntoRT{*temperatura, *resistenza};
}

} // namespace

TabellaLetta LeggiTabellaCSV(std::string_view testo) {
    TabellaLetta tabella;
    if (testo.starts_with(BOM)) {
        testo.remove_prefix(BOM.size());
    }
    bool primaRiga = true;
    std::size_t numero = 0;
    while (!testo.empty()) {
        const auto fine = testo.find('\n');
        std::string_view riga = testo.substr(0, fine);
        testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
        ++numero;
        riga = Ritaglia(riga, SPAZI);
        if (riga.empty() || riga.front() == '#') {
            continue;
        }
        const bool intestazione = primaRiga && !IniziaConNumero(riga);
        primaRiga = false;
        if (intestazione) {
            continue;
        }
        std::string motivo;
        if (const auto punto = LeggiRiga(riga, motivo)) {
            tabella.righe.push_back(*punto);
        } else {
            tabella.errori.push_back({numero, std::move(motivo)});
        }
    }
    return tabella;
}

TabellaLetta LeggiFileTabellaCSV(const std::filesystem::path& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    std::ostringstream contenuto;
    if (file) {
        contenuto << file.rdbuf();
    }
    if (!file || file.bad()) {
        TabellaLetta tabella;
        tabella.erroreFile = "impossibile leggere " + percorso.string();
        return tabella;
    }
    return LeggiTabellaCSV(contenuto.str());
}
