#include "modelli/autoriscaldamento.h"

#include <cmath>

std::optional<Dissipazione> Autoriscaldamento(const Partitore& partitore, double resistenza,
                                              double costanteMilliwattPerK) {
    if (!(costanteMilliwattPerK > 0) || !std::isfinite(costanteMilliwattPerK)) {
        return std::nullopt;
    }
    // The same current flows through both resistors wherever the thermistor sits.
    Partitore versoMassa = partitore;
    versoMassa.posizione = Partitore::Posizione::VersoMassa;
    const auto tensione = TensionePartitore(versoMassa, resistenza);
    if (!tensione) {
        return std::nullopt;
    }
    const double potenza = *tensione * *tensione / resistenza;
    return Dissipazione{potenza, potenza * 1000 / costanteMilliwattPerK};
}
