#include "ntc/formati.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/partitore_da_opzioni.h"
#include "ntc/sottocomandi.h"
#include "ntc/versione.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace {

// Enough for any table a firmware or a spreadsheet holds, and a bound on the memory a
// mistyped step can ask for.
constexpr long RIGHE_MASSIME = 1'000'000;
// Beyond 15 decimals a decimal grid no longer fits in a double's 53 bits.
constexpr int DECIMALI_MASSIMI = 15;
constexpr double INTERI_ESATTI = 9007199254740992.0; // 2^53

// How many decimals a number's text has; empty for an exponent form.
std::optional<int> Decimali(std::string_view testo) {
    if (testo.find_first_of("eE") != std::string_view::npos) {
        return std::nullopt;
    }
    const size_t punto = testo.find('.');
    return punto == std::string_view::npos ? 0 : static_cast<int>(testo.size() - punto - 1);
}

// The temperatures from da to a in steps of passo. Written in decimals, each one is the
// double nearest its decimal value (-55 + 35500 × 0.01 is exactly the 300 typed, not
// 299.99999999999994): the grid is counted in integers and divided once.
std::vector<double> Temperature(const Argomenti& argomenti) {
    const double da = NumeroOpzione(argomenti, "da");
    const double a = NumeroOpzione(argomenti, "a");
    const double passo = NumeroOpzione(argomenti, "passo");
    if (passo == 0) {
        throw ErroreUso("--passo non può essere 0");
    }
    const auto d1 = Decimali(argomenti.Valori("da").front());
    const auto d2 = Decimali(argomenti.Valori("a").front());
    const auto d3 = Decimali(argomenti.Valori("passo").front());
    std::vector<double> temperature;
    if (d1 && d2 && d3 && std::max({*d1, *d2, *d3}) <= DECIMALI_MASSIMI) {
        const double scala = std::pow(10.0, std::max({*d1, *d2, *d3}));
        const double inizio = std::round(da * scala);
        const double fine = std::round(a * scala);
        const double salto = std::round(passo * scala);
        if (std::max({std::fabs(inizio), std::fabs(fine), std::fabs(salto)}) < INTERI_ESATTI) {
            const double righe = std::floor((fine - inizio) / salto) + 1;
            if (righe < 1 || righe > RIGHE_MASSIME) {
                throw ErroreUso(righe < 1 ? "--passo non va da --da verso --a"
                                          : "più di 1000000 righe");
            }
            temperature.reserve(static_cast<size_t>(righe));
            for (long i = 0; i < static_cast<long>(righe); ++i) {
                temperature.push_back((inizio + static_cast<double>(i) * salto) / scala);
            }
            return temperature;
        }
    }
    const double righe = std::floor((a - da) / passo * (1 + 1e-12)) + 1;
    if (!(righe >= 1 && righe <= RIGHE_MASSIME)) {
        throw ErroreUso(righe < 1 ? "--passo non va da --da verso --a" : "più di 1000000 righe");
    }
    temperature.reserve(static_cast<size_t>(righe));
    for (long i = 0; i < static_cast<long>(righe); ++i) {
        temperature.push_back(da + static_cast<double>(i) * passo);
    }
    return temperature;
}

FormatoTabella FormatoRichiesto(const Argomenti& argomenti) {
    const auto& nome = argomenti.Valori("formato");
    auto formato = nome.empty() ? FormatoTabella::Csv : FormatoDaNome(nome.front());
    if (!formato) {
        throw ErroreUso("--formato vuole csv, json, c, marlin, klipper o esphome");
    }
    if (argomenti.Ha("json")) {
        if (!nome.empty() && formato != FormatoTabella::Json) {
            throw ErroreUso("--json e --formato " + nome.front() + " insieme");
        }
        formato = FormatoTabella::Json;
    }
    if (argomenti.Ha("virgola")) {
        if (formato != FormatoTabella::Csv) {
            throw ErroreUso("--virgola vale solo per il formato csv");
        }
        formato = FormatoTabella::CsvVirgola;
    }
    return *formato;
}

} // namespace

void EseguiTabella(const Argomenti& argomenti, std::string& uscita, std::string& /*avvisi*/) {
    if (!argomenti.valori.empty()) {
        throw ErroreUso("valore inatteso: " + argomenti.valori.front());
    }
    const auto modello = CostruisciModello(argomenti);
    const FormatoTabella formato = FormatoRichiesto(argomenti);
    // Marlin's tables are in 10-bit counts whatever the board's converter.
    constexpr int BIT_MARLIN = 10;
    const auto adc = PartitoreDaOpzioni(
        argomenti, formato == FormatoTabella::Marlin ? BIT_MARLIN : BIT_PREDEFINITI);
    const std::vector<double> temperature = Temperature(argomenti);
    std::vector<RigaTabella> righe;
    righe.reserve(temperature.size());
    for (const double t : temperature) {
        const auto r = modello->Resistenza(t);
        const auto alfa = modello->DerivataLogaritmica(t);
        if (!r || !alfa) {
            std::string testo = "nessuna resistenza a T = ";
            AggiungiNumero(testo, t);
            throw ErroreDati(testo + " °C con questo modello");
        }
        const auto conteggio = adc ? ConteggioIntero(*adc, *r) : std::nullopt;
        if (adc && !conteggio) {
            throw ErroreDati("nessuna lettura del partitore per R = " + std::to_string(*r));
        }
        righe.push_back({t, *r, *alfa, conteggio});
    }
    const auto descrizione = adc ? std::optional(Descrivi(*adc)) : std::nullopt;
    // A long table is most of the output: its bytes are reserved at once.
    constexpr size_t BYTE_PER_RIGA = 64;
    uscita.reserve(uscita.size() + righe.size() * BYTE_PER_RIGA);
    try {
        ScriviTabella(uscita, formato, righe, descrizione, VERSIONE_NTC);
    } catch (const std::invalid_argument& errore) {
        throw ErroreUso(errore.what());
    }
}
