#include "risorse/avvio.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

#include <array>

namespace {

struct Gemella {
    const char* famiglia;
    const char* sostituta;
};

constexpr std::array<Gemella, 2> GEMELLE{
    {{"Arial Narrow", "Liberation Sans Narrow"}, {"Arial", "Liberation Sans"}}};

bool Installata(const QString& famiglia) {
    // A family Qt does not know has no styles; the lookup stays inside Qt's own table, where
    // QFontDatabase::hasFamily would ask fontconfig, which answers for an alias too.
    return !QFontDatabase::styles(famiglia).isEmpty();
}

} // namespace

void RegistraSostituzioniCaratteri() {
    for (const Gemella& g : GEMELLE) {
        QFont::insertSubstitution(QString::fromLatin1(g.famiglia),
                                  QString::fromLatin1(g.sostituta));
    }
}

QString FamigliaInstallata(const QString& famiglia) {
    if (Installata(famiglia)) {
        return famiglia;
    }
    for (const Gemella& g : GEMELLE) {
        QString sostituta = QString::fromLatin1(g.sostituta);
        if (famiglia == QLatin1String(g.famiglia) && Installata(sostituta)) {
            return sostituta;
        }
    }
    return famiglia;
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

LetturaConfigurazioneCaratteri::LetturaConfigurazioneCaratteri() : filo_([] { FcInit(); }) {}

void LetturaConfigurazioneCaratteri::Attendi() {
    if (filo_.joinable()) {
        filo_.join();
    }
}

void LeggiCaratteri(LetturaConfigurazioneCaratteri& configurazione) {
    configurazione.Attendi();
    QFontDatabase::families();
}

Regione PreparaApplicazione(QCoreApplication& applicazione,
                            LetturaConfigurazioneCaratteri& configurazione) {
    // Without the translation installed Qt's texts stay English; nothing else depends on it.
    CaricaTraduzioneQt(applicazione);
    RegistraSostituzioniCaratteri();
    LeggiCaratteri(configurazione);
    const QLocale locale = QLocale::system();
    return Regione{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

CollegamentoSessione::CollegamentoSessione() : filo_([] { QDBusConnection::sessionBus(); }) {}
