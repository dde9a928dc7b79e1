#include "core/parametri_ntc.h"

ParametriNTC& ParametriCorrenti() {
    static ParametriNTC parametri;
    return parametri;
}

void AzzeraParametri(ParametriNTC& parametri) {
    parametri.R0 = 0;
    parametri.B = 0;
}
