#include "risorse/risorse.h"

#include <QFile>
#include <QFileInfo>

namespace {

QIcon CreaIcona(const QString& modello, std::initializer_list<int> lati) {
    QIcon icona;
    for (int lato : lati) {
        icona.addFile(modello.arg(lato), QSize(lato, lato));
    }
    return icona;
}

} // namespace

QIcon CreaIconaLibro() {
    // A window's icon is shown at title-bar and task-switcher sizes, doubled on dense
    // screens; launchers take the larger sizes from the installed icon theme.
    return CreaIcona(QStringLiteral(":/icone/libro_%1.png"), {16, 32, 48, 64});
}

QIcon CreaIconaInformazioni() {
    return CreaIcona(QStringLiteral(":/icone/informazioni_%1.png"), {32, 64});
}

QPixmap CaricaImmagine(const QString& percorso, qreal rapportoPixel) {
    if (rapportoPixel > 1.0) {
        const QFileInfo info(percorso);
        const QString doppia =
            info.path() + '/' + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
        QPixmap immagine;
        if (QFile::exists(doppia) && immagine.load(doppia)) {
            immagine.setDevicePixelRatio(2.0);
            return immagine;
        }
    }
    return QPixmap(percorso);
}
