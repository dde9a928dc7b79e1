// Saves two parameter sets in turn into the file named by the argument, until killed.
#include "files/dichiarazioni.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("uso: salva_in_ciclo FILE\n", stderr);
        return 2;
    }
    const std::filesystem::path file = argv[1];
    const ParametriNTC insiemi[2] = {{4700, 3435}, {10000, 3950}};
    for (unsigned long giro = 0;; ++giro) {
        SalvaParametri(file, insiemi[giro % 2]);
    }
}
