#include "finestra/registro.h"

#include "core/testi_numerici.h"

#include <QCoreApplication>

namespace {

const QString VUOTO = QStringLiteral("0");

QString TogliSpazi(const QString& testo) {
    qsizetype inizio = 0;
    qsizetype fine = testo.size();
    while (inizio < fine && testo[inizio] == u' ') {
        ++inizio;
    }
    while (fine > inizio && testo[fine - 1] == u' ') {
        --fine;
    }
    return testo.mid(inizio, fine - inizio);
}

} // namespace

QString TestoErrore() {
    return QCoreApplication::translate("Registro", "Errore");
}

QString PremiCifra(const QString& registro, const QString& cifra) {
    if (registro == VUOTO || registro == TestoErrore()) {
        return cifra;
    }
    return registro + cifra;
}

QString PremiPunto(const QString& registro) {
    return registro.contains(u'.') ? registro : registro + u'.';
}

QString CambiaSegno(const QString& registro, const Regione& regione) {
    QString testo = registro;
    // A value beyond the double range leaves the text as it is; the other steps still run.
    if (const auto valore = LeggiRegistro(testo.toStdString(), regione)) {
        testo = QString::fromStdString(NumeroInTesto(*valore * -1));
    }
    testo.replace(QStringLiteral("-."), QStringLiteral("-0."));
    if (testo.startsWith(u'.')) {
        testo.replace(QStringLiteral("."), QStringLiteral("0."));
    }
    return testo;
}

QString TogliUltimo(const QString& registro) {
    // The leading blank keeps the cut defined on an empty text.
    QString testo = u' ' + registro;
    testo.chop(1);
    testo = TogliSpazi(testo);
    return testo.isEmpty() ? VUOTO : testo;
}
