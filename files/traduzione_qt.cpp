#include "traduzione_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

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
