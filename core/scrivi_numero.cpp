#include "core/cifre_decimali.h"
#include "core/testi_numerici.h"

#include <cmath>

std::string NumeroInTesto(double valore) {
    if (!std::isfinite(valore)) {
        return TestoNonFinito(valore);
    }
    if (valore == 0) {
        return "0";
    }
    const QuindiciCifre q = ArrotondaQuindiciCifre(std::fabs(valore));
    const std::string_view cifre(q.cifre);
    std::string testo;
    if (valore < 0) {
        testo.push_back('-');
    }

    if (q.esponente >= 15 || q.esponente < -3) {
        testo.push_back(cifre[0]);
        if (cifre.size() > 1) {
            testo.push_back('.');
            testo.append(cifre.substr(1));
        }
        const int grandezza = std::abs(q.esponente);
        testo.append(q.esponente < 0 ? "E-" : "E+");
        if (grandezza < 10) {
            testo.push_back('0');
        }
        testo.append(std::to_string(grandezza));
    } else if (q.esponente >= 0) {
        const auto intere = static_cast<size_t>(q.esponente) + 1;
        testo.append(cifre.substr(0, intere));
        testo.append(intere > cifre.size() ? intere - cifre.size() : 0, '0');
        if (cifre.size() > intere) {
            testo.push_back('.');
            testo.append(cifre.substr(intere));
        }
    } else {
        testo.push_back('.');
        testo.append(static_cast<size_t>(-q.esponente - 1), '0');
        testo.append(cifre);
    }
    return testo;
}

std::string FormattaNumero(double valore, const Regione& regione) {
    if (!std::isfinite(valore)) {
        return TestoNonFinito(valore);
    }
    constexpr size_t DECIMALI = 11;
    std::string intera = "0";
    std::string frazione;
    if (valore != 0) {
        const QuindiciCifre q = ArrotondaQuindiciCifre(std::fabs(valore));
        if (q.esponente >= 0) {
            const auto n = static_cast<size_t>(q.esponente) + 1;
            intera = q.cifre.substr(0, n);
            intera.append(n > q.cifre.size() ? n - q.cifre.size() : 0, '0');
            frazione = n < q.cifre.size() ? q.cifre.substr(n) : "";
        } else {
            frazione.assign(static_cast<size_t>(-q.esponente - 1), '0');
            frazione.append(q.cifre);
        }
    }
    // The 15-digit decimal is then rounded to 11 places, halves away from zero.
    if (frazione.size() > DECIMALI) {
        const bool perEccesso = frazione[DECIMALI] >= '5';
        frazione.resize(DECIMALI);
        if (perEccesso) {
            bool riporto = true;
            for (auto it = frazione.rbegin(); riporto && it != frazione.rend(); ++it) {
                riporto = *it == '9';
                *it = riporto ? '0' : static_cast<char>(*it + 1);
            }
            for (auto it = intera.rbegin(); riporto && it != intera.rend(); ++it) {
                riporto = *it == '9';
                *it = riporto ? '0' : static_cast<char>(*it + 1);
            }
            if (riporto) {
                intera.insert(intera.begin(), '1');
            }
        }
    }
    while (!frazione.empty() && frazione.back() == '0') {
        frazione.pop_back();
    }
    if (frazione.empty()) {
        frazione.push_back('0');
    }
    std::string testo;
    if (valore < 0) {
        testo.push_back('-');
    }
    testo.append(intera);
    testo.append(regione.decimale);
    testo.append(frazione);
    return testo;
}
