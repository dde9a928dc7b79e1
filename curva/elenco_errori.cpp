#include "curva/elenco_errori.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr qsizetype RIGHE_MOSTRATE = 10;

} // namespace

QString ElencoErrori(const QStringList& righe, qsizetype tutte) {
    const QStringList mostrate = righe.mid(0, RIGHE_MOSTRATE);
    const qsizetype altre = std::max(tutte, righe.size()) - mostrate.size();
    if (altre <= 0) {
        return mostrate.join(u'\n');
    }
    return mostrate.join(u'\n') + u'\n' +
           (altre == 1
                ? QCoreApplication::translate("ElencoErrori", "e un'altra riga")
                : QCoreApplication::translate("ElencoErrori", "e altre %1 righe").arg(altre));
}
