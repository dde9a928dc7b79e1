#include "informazioni/componi_versione.h"

QString ComponiVersione(unsigned maggiore, unsigned minore, unsigned revisione) {
    return QStringLiteral("Versione ") + QString::number(maggiore) + '.' + QString::number(minore) +
           QString::number(revisione);
}
