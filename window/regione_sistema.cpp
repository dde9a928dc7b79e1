#include "regione_sistema.h"

#include <QLocale>

Regione RegioneDiSistema() {
    const QLocale locale = QLocale::system();
    return Regione{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}
