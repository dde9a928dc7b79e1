#include "modelli/tabella_csv.h"

#include "modelli/modello_ntc.h"
#include "modelli/numero_decimale.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>

namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";
constexpr std::string_view SPAZI = " \t\r";
constexpr std::size_t PEZZO = std::size_t{64} << 10;
constexpr int MEGA = 20;

const std::string MASSIMO_TESTO = std::to_string(MASSIMO_BYTE_TABELLA >> MEGA) + " MiB";

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

// ";" or a tab when either stands outside quotes, else ","; empty when both do.
std::optional<char> Separatore(std::string_view riga) {
    bool virgolette = false;
    bool puntoEVirgola = false;
    bool tabulazione = false;
    for (const char c : riga) {
        if (c == '"') {
            virgolette = !virgolette;
        } else if (!virgolette) {
            puntoEVirgola = puntoEVirgola || c == ';';
            tabulazione = tabulazione || c == '\t';
        }
    }
    if (puntoEVirgola && tabulazione) {
        return std::nullopt;
    }
    return puntoEVirgola ? ';' : (tabulazione ? '\t' : ',');
}

// The fields between the separators outside quotes, without their blanks and quotes (""
// inside quotes is one "); empty when a quote is left open or text follows a closing one.
std::optional<std::vector<std::string>> Campi(std::string_view riga, char separatore) {
    std::vector<std::string> campi;
    std::size_t i = 0;
    for (;;) {
        while (i < riga.size() && riga[i] == ' ') {
            ++i;
        }
        std::string campo;
        if (i < riga.size() && riga[i] == '"') {
            bool chiuso = false;
            for (++i; i < riga.size() && !chiuso; ++i) {
                if (riga[i] != '"') {
                    campo += riga[i];
                } else if (i + 1 < riga.size() && riga[i + 1] == '"') {
                    campo += '"';
                    ++i;
                } else {
                    chiuso = true;
                }
            }
            while (i < riga.size() && riga[i] == ' ') {
                ++i;
            }
            if (!chiuso || (i < riga.size() && riga[i] != separatore)) {
                return std::nullopt;
            }
        } else {
            const std::size_t fine = std::min(riga.find(separatore, i), riga.size());
            campo = riga.substr(i, fine - i);
            i = fine;
        }
        campi.emplace_back(Ritaglia(campo, " "));
        if (i >= riga.size()) {
            return campi;
        }
        ++i; // the separator
    }
}

// The whole field as one finite number times 10^potenza; with a decimal comma, ","
// stands for ".".
std::optional<double> LeggiCampo(std::string campo, bool virgolaDecimale, int potenza) {
    if (virgolaDecimale) {
        if (campo.find('.') != std::string::npos) {
            return std::nullopt; // a point beside a decimal comma is not guessed at
        }
        std::replace(campo.begin(), campo.end(), ',', '.');
    }
    return LeggiDecimale(campo, potenza);
}

// --- The header's units.

// The words of a header field: runs of ASCII letters and digits and of other bytes (Ω, °).
std::vector<std::string_view> Parole(std::string_view campo) {
    const auto diParola = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') ||
               (u >= 'A' && u <= 'Z');
    };
    std::vector<std::string_view> parole;
    std::size_t i = 0;
    while (i < campo.size()) {
        if (!diParola(campo[i])) {
            ++i;
            continue;
        }
        const std::size_t inizio = i;
        while (i < campo.size() && diParola(campo[i])) {
            ++i;
        }
        parole.push_back(campo.substr(inizio, i - inizio));
    }
    return parole;
}

char Minuscola(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool FinisceCon(std::string_view parola, std::string_view fine) {
    return parola.size() >= fine.size() &&
           std::equal(fine.begin(), fine.end(), parola.end() - static_cast<long>(fine.size()),
                      [](char a, char b) { return Minuscola(a) == Minuscola(b); });
}

constexpr std::array<std::string_view, 4> OHM{"ohms", "ohm", "\xCE\xA9", "\xE2\x84\xA6"};

// The prefix before the ohm of a word that is a resistance unit ("k" of "kOhm"), if it is one.
std::optional<std::string_view> PrefissoOhm(std::string_view parola) {
    for (const std::string_view ohm : OHM) {
        if (FinisceCon(parola, ohm)) {
            return parola.substr(0, parola.size() - ohm.size());
        }
    }
    return std::nullopt;
}

std::optional<int> PotenzaPrefisso(std::string_view prefisso) {
    const auto uguale = [prefisso](std::string_view altro) {
        return prefisso.size() == altro.size() && FinisceCon(prefisso, altro);
    };
    if (prefisso.empty()) {
        return 0;
    }
    if (uguale("k") || uguale("kilo")) {
        return 3;
    }
    // "m" is milli, and a header that says mΩ is not guessed to mean MΩ.
    if (prefisso == "M" || uguale("meg") || uguale("mega")) {
        return 6;
    }
    return std::nullopt;
}

// A temperature unit that is not Celsius: a whole word, or a word ending in °F / °K.
bool NonCelsius(std::string_view parola) {
    constexpr std::array<std::string_view, 7> PAROLE{"k",    "kelvin",     "degk",        "f",
                                                     "degf", "fahrenheit", "\xE2\x84\x89"};
    constexpr std::array<std::string_view, 3> FINALI{"\xC2\xB0"
                                                     "f",
                                                     "\xC2\xB0"
                                                     "k",
                                                     "\xE2\x84\x89"};
    return std::any_of(PAROLE.begin(), PAROLE.end(),
                       [&](std::string_view p) {
                           return parola.size() == p.size() && FinisceCon(parola, p);
                       }) ||
           std::any_of(FINALI.begin(), FINALI.end(),
                       [&](std::string_view f) { return FinisceCon(parola, f); });
}

// The power of ten that brings the resistance column to ohm, or why the header is refused.
std::optional<int> LeggiIntestazione(const std::vector<std::string>& campi, std::string& motivo) {
    for (const std::string_view parola : Parole(campi.front())) {
        if (PrefissoOhm(parola)) {
            motivo = "la prima colonna è la temperatura in °C e la seconda la resistenza, non '" +
                     campi.front() + "'";
            return std::nullopt;
        }
        if (NonCelsius(parola)) {
            motivo = "temperatura in '" + std::string(parola) + "': si legge solo in °C";
            return std::nullopt;
        }
    }
    if (campi.size() < 2) {
        return 0;
    }
    const std::string& colonna = campi[1];
    std::optional<int> potenza;
    for (const std::string_view parola : Parole(colonna)) {
        const auto prefisso = PrefissoOhm(parola);
        // A bare "K" or "M" may be a prefix without its Ω, or kelvin: not guessed at.
        const bool soloPrefisso =
            parola.size() == 1 && (FinisceCon(parola, "k") || FinisceCon(parola, "m"));
        if (!prefisso && !soloPrefisso) {
            continue;
        }
        const auto questa = prefisso ? PotenzaPrefisso(*prefisso) : std::nullopt;
        if (!questa || (potenza && *potenza != *questa)) {
            motivo = "unità della resistenza '" + colonna + "' non letta: si legge in Ω (ohm), " +
                     "kΩ (kohm) o MΩ (Mohm)";
            return std::nullopt;
        }
        potenza = questa;
    }
    // "R/kΩ" names the unit; "R/R25" is a ratio, not ohm.
    const std::size_t barra = colonna.rfind('/');
    if (barra != std::string::npos) {
        const auto dopo = Parole(std::string_view(colonna).substr(barra + 1));
        if (std::none_of(dopo.begin(), dopo.end(),
                         [](std::string_view p) { return PrefissoOhm(p).has_value(); })) {
            motivo = "la colonna '" + colonna + "' non è una resistenza in ohm";
            return std::nullopt;
        }
    }
    return potenza.value_or(0);
}

// The table read line by line from pieces of any size.
class Lettore {
public:
    // False once the table is refused, when further pieces change nothing.
    bool Leggi(std::string_view pezzo);
    TabellaLetta Fine();

private:
    void ChiudiRiga(std::string_view riga);
    void Riga(std::string_view riga);
    void Errata(std::string motivo);
    void Rifiuta(const std::string& motivo);

    TabellaLetta tabella_;
    std::string inCorso_; // the part of a line that a piece ended in
    bool lunga_ = false;  // the line in progress is over MASSIMA_LUNGHEZZA_RIGA
    std::size_t numero_ = 0;
    std::uintmax_t letti_ = 0;
    bool primaRiga_ = true;
    int potenzaOhm_ = 0;
};

bool Lettore::Leggi(std::string_view pezzo) {
    if (!tabella_.erroreFile.empty()) {
        return false;
    }
    letti_ += pezzo.size();
    if (letti_ > MASSIMO_BYTE_TABELLA) {
        Rifiuta("più di " + MASSIMO_TESTO + ": una tabella ne ha al più " + MASSIMO_TESTO);
        return false;
    }
    while (!pezzo.empty()) {
        const std::size_t fine = pezzo.find('\n');
        const std::string_view parte = pezzo.substr(0, fine);
        if (fine != std::string_view::npos && inCorso_.empty() && !lunga_ &&
            parte.size() <= MASSIMA_LUNGHEZZA_RIGA) {
            ChiudiRiga(parte); // the whole line is in this piece: no copy
        } else {
            if (lunga_ || inCorso_.size() + parte.size() > MASSIMA_LUNGHEZZA_RIGA) {
                lunga_ = true;
                inCorso_.clear();
            } else {
                inCorso_ += parte;
            }
            if (fine == std::string_view::npos) {
                return true;
            }
            ChiudiRiga(inCorso_);
        }
        if (!tabella_.erroreFile.empty()) {
            return false;
        }
        pezzo.remove_prefix(fine + 1);
    }
    return true;
}

TabellaLetta Lettore::Fine() {
    if (tabella_.erroreFile.empty() && (!inCorso_.empty() || lunga_)) {
        ChiudiRiga(inCorso_);
    }
    return std::move(tabella_);
}

void Lettore::ChiudiRiga(std::string_view riga) {
    ++numero_;
    if (lunga_) {
        Errata("riga più lunga di " + std::to_string(MASSIMA_LUNGHEZZA_RIGA) + " caratteri");
    } else {
        Riga(riga);
    }
    inCorso_.clear();
    lunga_ = false;
}

void Lettore::Errata(std::string motivo) {
    ++tabella_.righeErrate;
    if (tabella_.errori.size() < ERRORI_RIGA_TENUTI) {
        tabella_.errori.push_back({numero_, std::move(motivo)});
    }
}

void Lettore::Rifiuta(const std::string& motivo) {
    tabella_ = TabellaLetta{};
    tabella_.erroreFile = motivo;
}

void Lettore::Riga(std::string_view riga) {
    if (numero_ == 1 && riga.starts_with(BOM)) {
        riga.remove_prefix(BOM.size());
    }
    riga = Ritaglia(riga, SPAZI);
    if (riga.empty() || riga.front() == '#') {
        return;
    }
    const bool intestazione =
        primaRiga_ && !IniziaConNumero(Ritaglia(riga.substr(riga.front() == '"' ? 1 : 0), " "));
    primaRiga_ = false;
    const auto separatore = Separatore(riga);
    const auto campi = separatore ? Campi(riga, *separatore) : std::nullopt;
    const std::string dove = "riga " + std::to_string(numero_) + ": ";
    if (intestazione) {
        std::string motivo =
            !separatore ? "separatori misti (\";\" e tabulazione)" : "virgolette non chiuse";
        const auto potenza = campi ? LeggiIntestazione(*campi, motivo) : std::nullopt;
        if (potenza) {
            potenzaOhm_ = *potenza;
        } else {
            Rifiuta(dove + "intestazione: " + motivo);
        }
        return;
    }
    if (!separatore) {
        Errata("separatori misti (\";\" e tabulazione)");
        return;
    }
    if (!campi) {
        Errata("virgolette non chiuse");
        return;
    }
    if (campi->size() < 2) {
        Errata("servono due valori, temperatura e resistenza");
        return;
    }
    if (campi->size() > 2) {
        Errata("più di due valori");
        return;
    }
    const bool virgolaDecimale = *separatore != ',';
    const auto temperatura = LeggiCampo((*campi)[0], virgolaDecimale, 0);
    const auto resistenza = LeggiCampo((*campi)[1], virgolaDecimale, potenzaOhm_);
    if (!temperatura) {
        Errata("temperatura non leggibile");
    } else if (!resistenza) {
        Errata("resistenza non leggibile");
    } else if (!(*temperatura > -ZERO_CELSIUS_K)) {
        Errata("temperatura sotto lo zero assoluto");
    } else if (!(*resistenza > 0)) {
        Errata("resistenza non positiva");
    } else {
        tabella_.righe.push_back({*temperatura, *resistenza});
    }
}

} // namespace

std::string TestoAltreRighe(const TabellaLetta& tabella) {
    const std::size_t altre =
        tabella.righeErrate - std::min(tabella.righeErrate, tabella.errori.size());
    if (altre == 0) {
        return {};
    }
    return altre == 1 ? "e un'altra riga" : "e altre " + std::to_string(altre) + " righe";
}

TabellaLetta LeggiTabellaCSV(std::string_view testo) {
    Lettore lettore;
    lettore.Leggi(testo);
    return lettore.Fine();
}

TabellaLetta LeggiFileTabellaCSV(const std::filesystem::path& percorso) {
    namespace fs = std::filesystem;
    const std::string nome = percorso.string();
    const auto rifiutata = [&nome](std::string_view motivo) {
        TabellaLetta tabella;
        tabella.erroreFile = nome + ": " + std::string(motivo);
        return tabella;
    };
    std::error_code errore;
    const fs::file_status stato = fs::status(percorso, errore);
    if (stato.type() == fs::file_type::not_found) {
        return rifiutata("il file non esiste");
    }
    if (fs::is_directory(stato)) {
        return rifiutata("è una cartella, non una tabella");
    }
    if (fs::is_character_file(stato) || fs::is_block_file(stato)) {
        return rifiutata("è un dispositivo, non una tabella");
    }
    // A pipe has no size until it is read; a regular file has, and is refused unread.
    if (fs::is_regular_file(stato)) {
        const std::uintmax_t byte = fs::file_size(percorso, errore);
        if (!errore && byte > MASSIMO_BYTE_TABELLA) {
            return rifiutata("ha " + std::to_string(byte) + " byte: una tabella ne ha al più " +
                             MASSIMO_TESTO);
        }
    } else if (!errore && !fs::is_fifo(stato)) {
        return rifiutata("non è un file");
    }
    std::ifstream file(percorso, std::ios::binary);
    if (!file) {
        return rifiutata("impossibile leggere il file");
    }
    Lettore lettore;
    std::string pezzo(PEZZO, '\0');
    bool avanti = true;
    while (avanti && file) {
        file.read(pezzo.data(), static_cast<std::streamsize>(pezzo.size()));
        const auto letti = static_cast<std::size_t>(file.gcount());
        avanti = letti == 0 || lettore.Leggi(std::string_view(pezzo).substr(0, letti));
    }
    if (file.bad()) {
        return rifiutata("lettura non riuscita");
    }
    TabellaLetta tabella = lettore.Fine();
    if (!tabella.erroreFile.empty()) {
        tabella.erroreFile = nome + ": " + tabella.erroreFile;
    }
    return tabella;
}
