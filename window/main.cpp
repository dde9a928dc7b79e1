#include "caratteri.h"
#include "files/traduzione_qt.h"
#include "guardia_schermo.h"
#include "main_form.h"
#include "regione_sistema.h"
#include "servizi.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    // The menus belong in the window; asking the desktop for a global menu bar would also
    // wait on the session bus before the window can show.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    auto guardia = std::make_unique<GuardiaSchermo>();
    QApplication applicazione(argc, argv);
    guardia.reset();
    CaricaTraduzioneQt(applicazione);
    RegistraSostituzioniCaratteri();
    const Regione regione = RegioneDiSistema();
    MainForm finestra(regione, ServiziDiSistema(regione));
    finestra.show();
    return QApplication::exec();
}
