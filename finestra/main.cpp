#include "finestra/guardia_schermo.h"
#include "finestra/main_form.h"
#include "finestra/servizi.h"
#include "risorse/avvio.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    // First of all, so that the font configuration is parsed beside the X connection.
    LetturaConfigurazioneCaratteri configurazione;
    // The menus belong in the window; asking the desktop for a global menu bar would also
    // wait on the session bus before the window can show.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    auto guardia = std::make_unique<GuardiaSchermo>();
    QApplication applicazione(argc, argv);
    guardia.reset();
    // The session bus connects beside the fonts being read; see CollegamentoSessione.
    const CollegamentoSessione sessione;
    const Regione regione = PreparaApplicazione(applicazione, configurazione);
    MainForm finestra(regione, ServiziDiSistema(regione));
    finestra.show();
    return QApplication::exec();
}
