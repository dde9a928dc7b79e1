#include "servizi.h"

#include "exchange/appunti_qt.h"

Servizi ServiziDiSistema() {
    return Servizi{std::make_unique<AppuntiQt>(), CreaPiattaformaCalcolatrice()};
}
