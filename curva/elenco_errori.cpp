#include "curva/elenco_errori.h"

#include <QCoreApplication>

namespace {

constexpr qsizetype RIGHE_MOSTRATE = 10;

} // namespace

QString ElencoErrori(const QStringList& righe) {
    if (righe.size() <= RIGHE_MOSTRATE) {
        return righe.join(u'\n');
    }
    const qsizetype altre = righe.size() - RIGHE_MOSTRATE;
    return righe.mid(0, RIGHE_MOSTRATE).join(u'\n') + u'\n' +
           (altre == 1
                ? QCoreApplication::translate("ElencoErrori", "e un'altra riga")
                : QCoreApplication::translate("ElencoErrori", "e altre %1 righe").arg(altre));
}
