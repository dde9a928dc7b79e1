// A third reference for start-up: a main window of Brevanto's size with its three menus and
// nothing else. A menu bar's height comes from its font, so such a window reads the font
// configuration before it can map, where the label window reads it only to paint; this is
// the toolkit's floor for any window that has a menu bar.
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral("Menu"));
    auto* cliente = new QWidget(&finestra);
    cliente->setFixedSize(546, 361);
    finestra.setCentralWidget(cliente);
    for (const char* titolo : {"&File", "&Modifica", "&?"}) {
        finestra.menuBar()->addMenu(QString::fromLatin1(titolo))->addAction(QStringLiteral("-"));
    }
    finestra.layout()->setSizeConstraint(QLayout::SetFixedSize);
    finestra.show();
    return QApplication::exec();
}
