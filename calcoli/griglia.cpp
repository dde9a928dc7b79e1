#include "calcoli/griglia.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

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

} // namespace

std::variant<Griglia, ErroreGriglia> CalcolaGriglia(NumeroScritto da, NumeroScritto a,
                                                    NumeroScritto passo) {
    if (passo.valore == 0) {
        return ErroreGriglia::PassoNullo;
    }
    const auto d1 = Decimali(da.testo);
    const auto d2 = Decimali(a.testo);
    const auto d3 = Decimali(passo.testo);
    Griglia griglia{da.valore, passo.valore, 1, 0};
    double righe = std::floor((a.valore - da.valore) / passo.valore * (1 + 1e-12)) + 1;
    if (d1 && d2 && d3 && std::max({*d1, *d2, *d3}) <= DECIMALI_MASSIMI) {
        const double scala = std::pow(10.0, std::max({*d1, *d2, *d3}));
        const Griglia decimale{std::round(da.valore * scala), std::round(passo.valore * scala),
                               scala, 0};
        const double fine = std::round(a.valore * scala);
        if (std::max({std::fabs(decimale.inizio), std::fabs(fine), std::fabs(decimale.salto)}) <
            INTERI_ESATTI) {
            griglia = decimale;
            righe = std::floor((fine - decimale.inizio) / decimale.salto) + 1;
        }
    }
    if (!(righe >= 1)) {
        return ErroreGriglia::VersoOpposto;
    }
    if (righe > RIGHE_MASSIME) {
        return ErroreGriglia::TroppeRighe;
    }
    griglia.righe = static_cast<long>(righe);
    return griglia;
}

std::string TestoErroreGriglia(ErroreGriglia errore) {
    switch (errore) {
    case ErroreGriglia::PassoNullo:
        return "il passo non può essere 0";
    case ErroreGriglia::VersoOpposto:
        return "il passo non va dall'inizio verso la fine";
    case ErroreGriglia::TroppeRighe:
        return "più di " + std::to_string(RIGHE_MASSIME) + " righe";
    }
    return {};
}
