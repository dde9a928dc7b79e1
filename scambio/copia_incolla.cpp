#include "scambio/copia_incolla.h"

#include "core/testi_numerici.h"

std::string TestoDaCopiare(const std::vector<std::string>& righe,
                           const std::vector<bool>& selezionate, const std::string& registro) {
    std::string testo;
    bool alcunaSelezionata = false;
    for (size_t i = 0; i < righe.size() && i < selezionate.size(); ++i) {
        if (selezionate[i]) {
            alcunaSelezionata = true;
            testo += "\r\n";
            testo += righe[i];
        }
    }
    return alcunaSelezionata ? testo : registro;
}

namespace {

// What a spreadsheet cell or a terminal line brings along: blanks, tabs, line ends and
// no-break spaces (U+00A0).
constexpr std::string_view NO_BREAK = "\xC2\xA0";

std::string_view SenzaBordi(std::string_view testo) {
    const auto bordo = [](std::string_view t, bool inizio) -> size_t {
        if (t.empty()) {
            return 0;
        }
        if (inizio ? t.starts_with(NO_BREAK) : t.ends_with(NO_BREAK)) {
            return NO_BREAK.size();
        }
        const char c = inizio ? t.front() : t.back();
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' ? 1 : 0;
    };
    for (size_t n = bordo(testo, true); n > 0; n = bordo(testo, true)) {
        testo.remove_prefix(n);
    }
    for (size_t n = bordo(testo, false); n > 0; n = bordo(testo, false)) {
        testo.remove_suffix(n);
    }
    return testo;
}

} // namespace

std::optional<std::string> TestoDaIncollare(std::string_view appunti, const Regione& regione) {
    const std::optional<double> numero = LeggiNumeroLocale(SenzaBordi(appunti), regione);
    if (!numero) {
        return std::nullopt;
    }
    std::string testo = ConPuntoDecimale(FormattaNumero(*numero, regione), regione.decimale);
    if (testo.ends_with(".0")) {
        testo.resize(testo.size() - 2);
    }
    return testo;
}
