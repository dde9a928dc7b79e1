// Stands in for a calculator in the tests, recording in the folder named by
// BREVANTO_CALCOLATRICE_FINTA: its arguments when it has any; otherwise its process id, and
// the text typed into the X11 window it shows.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSaveFile>
#include <QTimer>

namespace {

bool Registra(const QString& nome, const QByteArray& contenuto) {
    QSaveFile file(QDir(qEnvironmentVariable("BREVANTO_CALCOLATRICE_FINTA")).filePath(nome));
    return file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size() &&
           file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        QByteArray argomenti;
        for (int i = 1; i < argc; ++i) {
            argomenti += QByteArray(argv[i]) + '\n';
        }
        return Registra("argomenti", argomenti) ? 0 : 1;
    }
    if (!Registra("pid", QByteArray::number(QCoreApplication::applicationPid()))) {
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication applicazione(argc, argv);
    QLineEdit riga;
    QObject::connect(&riga, &QLineEdit::textChanged,
                     [](const QString& testo) { Registra("testo", testo.toUtf8()); });
    riga.show();
    // Never outlives a test run that failed to end it.
    QTimer scadenza;
    QObject::connect(&scadenza, &QTimer::timeout, &applicazione, &QCoreApplication::quit);
    scadenza.start(60000);
    return QApplication::exec();
}
