#include "window/servizi.h"

#include "exchange/appunti_qt.h"
#include "files/scelta_file_qt.h"

Servizi ServiziDiSistema(const Regione& regione) {
    return Servizi{std::make_unique<AppuntiQt>(), CreaPiattaformaCalcolatrice(regione),
                   std::make_unique<SceltaFileQt>()};
}
