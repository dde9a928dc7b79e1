#include "window/avvio.h"

#include "files/traduzione_qt.h"

#include <QFont>
#include <QLocale>

void RegistraSostituzioniCaratteri() {
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                              QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

Regione PreparaApplicazione(QCoreApplication& applicazione) {
    // Without the translation installed Qt's texts stay English; nothing else depends on it.
    CaricaTraduzioneQt(applicazione);
    RegistraSostituzioniCaratteri();
    const QLocale locale = QLocale::system();
    return Regione{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}
