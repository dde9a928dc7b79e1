#include "curva/finestra_curva.h"
#include "risorse/avvio.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The menus belong in the window, as in the calculator.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication applicazione(argc, argv);
    // Its file dialogs speak Italian like the rest of the window.
    CaricaTraduzioneQt(applicazione);
    FinestraCurva finestra(QLocale::system());
    finestra.show();
    return QApplication::exec();
}
