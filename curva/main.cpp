#include "curva/finestra_curva.h"
#include "risorse/avvio.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // First of all, so that the font configuration is parsed beside the X connection.
    LetturaConfigurazioneCaratteri configurazione;
    // The menus belong in the window, as in the calculator.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication applicazione(argc, argv);
    // The session bus connects beside the fonts being read; see CollegamentoSessione.
    const CollegamentoSessione sessione;
    // Its file dialogs speak Italian like the rest of the window.
    CaricaTraduzioneQt(applicazione);
    LeggiCaratteri(configurazione);
    FinestraCurva finestra(QLocale::system());
    finestra.show();
    return QApplication::exec();
}
