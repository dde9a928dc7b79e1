#include "risorse/avvio.h"

#include <QCoreApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void RegistraSostituzioniCaratteri() {
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                              QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

bool CaricaTraduzioneQt(QCoreApplication& applicazione) {
    auto* traduzione = new QTranslator(&applicazione);
    if (!traduzione->load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(traduzione)) {
        delete traduzione;
        return false;
    }
    return true;
}

Regione PreparaApplicazione(QCoreApplication& applicazione) {
    // Without the translation installed Qt's texts stay English; nothing else depends on it.
    CaricaTraduzioneQt(applicazione);
    RegistraSostituzioniCaratteri();
    const QLocale locale = QLocale::system();
    return Regione{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}
