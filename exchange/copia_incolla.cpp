#include "exchange/copia_incolla.h"

#include "core/testi_numerici.h"

#include <algorithm>

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

std::optional<std::string> TestoDaIncollare(std::string_view appunti, const Regione& regione) {
    const std::optional<double> numero = LeggiNumeroLocale(appunti, regione);
    if (!numero) {
        return std::nullopt;
    }
    std::string testo = FormattaNumero(*numero, regione);
    std::replace(testo.begin(), testo.end(), ',', '.');
    if (testo.ends_with(".0")) {
        testo.resize(testo.size() - 2);
    }
    return testo;
}

void CopiaNegliAppunti(Appunti& appunti, const std::vector<std::string>& righe,
                       const std::vector<bool>& selezionate, const std::string& registro) {
    const std::string testo = TestoDaCopiare(righe, selezionate, registro);
    appunti.Svuota();
    appunti.ScriviTesto(testo);
}

std::optional<std::string> IncollaDagliAppunti(Appunti& appunti, const Regione& regione) {
    return TestoDaIncollare(appunti.LeggiTesto(), regione);
}
