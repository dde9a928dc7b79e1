#pragma once

// One row of a resistance–temperature table or one point of a fit.
struct PuntoRT {
    double temperatura = 0; // °C
    double resistenza = 0;  // ohm
};
