// Regenerates the PNG files of the resources from the drawings in this folder:
//   brevanto_genera_immagini <resources folder>
// Run it under QT_QPA_PLATFORM=offscreen (the target brevanto_rigenera_immagini does).
#include "risorse/genera/disegni.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

namespace {

bool Salva(const QImage& immagine, const QString& percorso) {
    if (immagine.save(percorso, "PNG")) {
        return true;
    }
    QTextStream(stderr) << "impossibile scrivere " << percorso << '\n';
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication applicazione(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "uso: brevanto_genera_immagini <cartella resources>\n";
        return 2;
    }
    const QDir radice(QString::fromLocal8Bit(argv[1]));
    radice.mkpath(QStringLiteral("icone"));
    radice.mkpath(QStringLiteral("immagini"));

    bool riuscito = true;
    for (int lato : {16, 32, 48, 64, 128, 256}) {
        riuscito &= Salva(DisegnaLibro(lato),
                          radice.filePath(QStringLiteral("icone/libro_%1.png").arg(lato)));
    }
    for (int lato : {32, 64}) {
        riuscito &= Salva(DisegnaInformazioni(lato),
                          radice.filePath(QStringLiteral("icone/informazioni_%1.png").arg(lato)));
    }
    const QSize equazione(234, 66);
    riuscito &= Salva(DisegnaEquazione(equazione, 1),
                      radice.filePath(QStringLiteral("immagini/equazione.png")));
    riuscito &= Salva(DisegnaEquazione(equazione, 2),
                      radice.filePath(QStringLiteral("immagini/equazione@2x.png")));
    const QSize logo(413, 77);
    riuscito &= Salva(DisegnaLogo(logo, 1), radice.filePath(QStringLiteral("immagini/logo.png")));
    riuscito &=
        Salva(DisegnaLogo(logo, 2), radice.filePath(QStringLiteral("immagini/logo@2x.png")));
    return riuscito ? 0 : 1;
}
