#include "exchange/piattaforma_calcolatrice.h"

#ifdef _WIN32
#include "exchange/piattaforma_windows.h"
#else
#include "exchange/piattaforma_linux.h"
#endif

std::unique_ptr<PiattaformaCalcolatrice> CreaPiattaformaCalcolatrice() {
#ifdef _WIN32
    return std::make_unique<PiattaformaWindows>();
#else
    return std::make_unique<PiattaformaLinux>();
#endif
}
