// The yardstick for start-up: a bare Qt window of the main window's size, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Vuota"));
    finestra.setFixedSize(546, 361 + 22);
    finestra.show();
    return QApplication::exec();
}
