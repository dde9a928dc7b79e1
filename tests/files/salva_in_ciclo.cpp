// Saves two parameter sets in turn into the file named by the argument, until killed.
#include "files/dichiarazioni.h"

int main(int argc, char** argv) {
    const ParametriNTC insiemi[2] = {{4700, 3435}, {10000, 3950}};
    for (unsigned giro = 0; argc == 2; ++giro) {
        SalvaParametri(argv[1], insiemi[giro % 2]);
    }
    return 2;
}
