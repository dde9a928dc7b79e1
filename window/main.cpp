#include "caratteri.h"
#include "main_form.h"
#include "regione_sistema.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    RegistraSostituzioniCaratteri();
    MainForm finestra(RegioneDiSistema());
    finestra.show();
    return QApplication::exec();
}
