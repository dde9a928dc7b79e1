#include "modelli/coefficiente_temperatura.h"

std::optional<double> CoefficienteTemperatura(const ModelloNTC& modello, double temperatura) {
    return modello.DerivataLogaritmica(temperatura);
}
