#include "finestra/guardia_schermo.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Trattenuto {
    QtMsgType tipo;
    QByteArray categoria;
    QString testo;
};

QtMessageHandler precedente = nullptr;
std::vector<Trattenuto> trattenuti;

void Gestore(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (tipo == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", MESSAGGIO_SENZA_SCHERMO);
        // Qt would abort next; nothing of the half-built application may run any more.
        std::_Exit(1);
    }
    const QByteArray categoria(contesto.category != nullptr ? contesto.category : "");
    if (categoria.startsWith("qt.qpa")) {
        trattenuti.push_back({tipo, categoria, testo});
        return;
    }
    precedente(tipo, contesto, testo);
}

} // namespace

GuardiaSchermo::GuardiaSchermo() {
    precedente = qInstallMessageHandler(Gestore);
}

GuardiaSchermo::~GuardiaSchermo() {
    qInstallMessageHandler(precedente);
    for (const Trattenuto& t : trattenuti) {
        const QMessageLogContext contesto(nullptr, 0, nullptr, t.categoria.constData());
        precedente(t.tipo, contesto, t.testo);
    }
    trattenuti.clear();
}
