#include "finestra/servizi.h"

#include "dialoghi/scelta_file_qt.h"

Servizi ServiziDiSistema(const Regione& regione) {
    return Servizi{CreaPiattaformaCalcolatrice(regione), std::make_unique<SceltaFileQt>()};
}
