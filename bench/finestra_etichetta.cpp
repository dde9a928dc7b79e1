// A second reference for start-up: the bare window with one line of text, to tell apart what
// any window that draws text costs from what Brevanto's own controls cost.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QLabel finestra(QStringLiteral("Brevanto"));
    finestra.setWindowTitle(QStringLiteral("Etichetta"));
    finestra.setFixedSize(546, 361 + 22);
    finestra.show();
    return QApplication::exec();
}
