#include "finestra/tabella_pulsanti.h"

// The "R0" tooltip names 25 °C, the temperature at which R0 is defined.
// clang-format off
const std::array<Pulsante, 23> PULSANTI{{
    {Schiera::Operazione, OPERAZIONE_C_IN_K, "°C > K", "Trasforma in K", 3240, 4845, 735, 435, 22, false},
    {Schiera::Operazione, OPERAZIONE_C_IN_F, "°C > °F", "Trasforma in °F", 2400, 4845, 735, 435, 21, false},
    {Schiera::Tasto, TASTO_CLEAR, "Clear", "Cancella lista", 3240, 2500, 735, 435, 4, false},
    {Schiera::Tasto, TASTO_RESET, "Reset", "Annulla tutti i coefficienti inseriti", 120, 2500, 735, 435, 2,
     false},
    {Schiera::Tasto, TASTO_INFO, "Info", "Informazioni sui parametri inseriti", 960, 2500, 735, 435, 3,
     false},
    {Schiera::Tasto, TASTO_BACK, "Back", "Cancella ultimo numero inserito", 3240, 3255, 735, 435, 18,
     false},
    {Schiera::Tasto, TASTO_C, "C", "Cancella", 2400, 3255, 735, 435, 17, false},
    {Schiera::Operazione, OPERAZIONE_C_IN_OHM, "°C > Ohm", "Calcola la resistenza", 2400, 4320, 1575, 435, 20, false},
    {Schiera::Operazione, OPERAZIONE_OHM_IN_C, "Ohm > °C", "Calcola la temperatura", 2400, 3795, 1575, 435, 19,
     false},
    {Schiera::Tasto, TASTO_SEGNO, "+/-", "Cambio segno", 1560, 4845, 615, 435, 16, false},
    {Schiera::Tasto, TASTO_PUNTO, ".", "Punto decimale", 840, 4845, 615, 435, 15, false},
    {Schiera::Tasto, 0, "0", "0", 120, 4845, 615, 435, 14, false},
    {Schiera::Tasto, 9, "9", "9", 1560, 4320, 615, 435, 13, false},
    {Schiera::Tasto, 8, "8", "8", 840, 4320, 615, 435, 12, false},
    {Schiera::Tasto, 7, "7", "7", 120, 4320, 615, 435, 11, false},
    {Schiera::Tasto, 6, "6", "6", 1560, 3795, 615, 435, 10, false},
    {Schiera::Tasto, 5, "5", "5", 840, 3795, 615, 435, 9, false},
    {Schiera::Tasto, 4, "4", "4", 120, 3795, 615, 435, 8, false},
    {Schiera::Tasto, 3, "3", "3", 1560, 3255, 615, 435, 7, false},
    {Schiera::Tasto, 2, "2", "2", 840, 3255, 615, 435, 6, false},
    {Schiera::Par, PAR_B, "B", "Coefficiente B", 840, 1250, 645, 375, 1, true},
    {Schiera::Par, PAR_R0, "R0", "Valore della resistenza a 25°C", 120, 1250, 645, 375, 0, true},
    {Schiera::Tasto, 1, "1", "1", 120, 3255, 615, 435, 5, false},
}};
// clang-format on

QString NomePulsante(Schiera schiera, qint16 indice) {
    const char* nome = schiera == Schiera::Tasto ? "Cmd_Tasto"
                       : schiera == Schiera::Par ? "Cmd_Par"
                                                 : "Cmd_Operazione";
    return QString::fromLatin1(nome) + QString::number(indice);
}
