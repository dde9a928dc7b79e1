// Saves a picture of the whole X screen, or of one window given by its id, as PNG: the
// real-window tests keep it beside a failure and the README shows it.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication applicazione(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: cattura_schermo FILE.png [ID_FINESTRA]\n");
        return 2;
    }
    const WId finestra = argc > 2 ? QByteArray(argv[2]).toULongLong(nullptr, 0) : 0;
    const QPixmap immagine = QGuiApplication::primaryScreen()->grabWindow(finestra);
    return immagine.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
