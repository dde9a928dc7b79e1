#include "caratteri.h"
#include "files/traduzione_qt.h"
#include "main_form.h"
#include "regione_sistema.h"
#include "servizi.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    CaricaTraduzioneQt(applicazione);
    RegistraSostituzioniCaratteri();
    MainForm finestra(RegioneDiSistema(), ServiziDiSistema());
    finestra.show();
    return QApplication::exec();
}
