#include "window/servizi.h"

#include "exchange/appunti_qt.h"
#include "files/scelta_file_qt.h"

Servizi ServiziDiSistema() {
    return Servizi{std::make_unique<AppuntiQt>(), CreaPiattaformaCalcolatrice(),
                   std::make_unique<SceltaFileQt>()};
}
