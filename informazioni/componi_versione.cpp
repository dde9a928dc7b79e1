#include "informazioni/componi_versione.h"

#include <QCoreApplication>

QString ComponiVersione(unsigned maggiore, unsigned minore, unsigned revisione) {
    return QCoreApplication::translate("Informazioni", "Versione ") + QString::number(maggiore) +
           '.' + QString::number(minore) + QString::number(revisione);
}
