// Stands in for a calculator in the tests: records its process id and arguments in the
// folder named by BREVANTO_CALCOLATRICE_FINTA; started without arguments it shows a window
// under X11 and records the text typed into it.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSaveFile>
#include <QTimer>

namespace {

bool Registra(const QString& cartella, const QString& nome, const QByteArray& contenuto) {
    QSaveFile file(QDir(cartella).filePath(nome));
    return file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size() &&
           file.commit();
}

} // namespace

int main(int argc, char** argv) {
    const QString cartella = qEnvironmentVariable("BREVANTO_CALCOLATRICE_FINTA");
    if (cartella.isEmpty()) {
        return 2;
    }
    QByteArray argomenti;
    for (int i = 1; i < argc; ++i) {
        argomenti += QByteArray(argv[i]) + '\n';
    }
    if (!Registra(cartella, "argomenti", argomenti) ||
        !Registra(cartella, "pid", QByteArray::number(QCoreApplication::applicationPid()))) {
        return 1;
    }
    if (argc > 1) {
        return 0;
    }

    // A stand-in for an X11 calculator, whatever platform the tests run under.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication applicazione(argc, argv);
    QLineEdit riga;
    riga.setObjectName("Txt_Calcolatrice");
    QObject::connect(&riga, &QLineEdit::textChanged, [&cartella](const QString& testo) {
        Registra(cartella, "testo", testo.toUtf8());
    });
    riga.show();
    riga.setFocus();
    // Never outlives a test run that failed to end it.
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, &applicazione, &QCoreApplication::quit);
    scadenza.start(60000);
    return QApplication::exec();
}
