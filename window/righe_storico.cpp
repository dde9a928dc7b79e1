#include "righe_storico.h"

#include "core/testi_numerici.h"

namespace {

QString Formatta(double valore, const Regione& regione) {
    return QString::fromStdString(FormattaNumero(valore, regione));
}

} // namespace

std::optional<QString> RigaStorico(qint16 codice, double valore, const QString& registro,
                                   const ParametriNTC& parametri, const Regione& regione) {
    switch (codice) {
    case 0:
        return QStringLiteral("-> R0 = ") + Formatta(parametri.R0, regione);
    case 1:
        return QStringLiteral("-> B  = ") + Formatta(parametri.B, regione);
    case 10:
        return QStringLiteral("Reset eseguito");
    case 20:
        return registro + QStringLiteral(" [Ohm] = ") + Formatta(valore, regione) +
               QStringLiteral(" [°C]");
    case 21:
        return registro + QStringLiteral(" [°C] = ") + Formatta(valore, regione) +
               QStringLiteral(" [Ohm]");
    case 22:
        return registro + QStringLiteral(" [°C] = ") + Formatta(valore, regione) +
               QStringLiteral(" [°F]");
    case 23:
        return registro + QStringLiteral(" [°C] = ") + Formatta(valore, regione) +
               QStringLiteral(" [K]");
    case 30:
        return registro + QStringLiteral(" [Ohm] = Errore");
    case 31:
    case 32:
    case 33:
        return registro + QStringLiteral(" [°C] = Errore");
    case 95:
        return QStringLiteral("Salvataggio non riuscito !");
    case 96:
        return QStringLiteral("B = 0 !");
    case 97:
        return QStringLiteral("B > 0 !");
    case 98:
        return QStringLiteral("R0 > 0 !");
    case 99:
        return QStringLiteral("R0 = 0 !");
    default:
        return std::nullopt;
    }
}

QStringList BloccoParametri(const ParametriNTC& parametri, const Regione& regione) {
    return {QStringLiteral("Parametri NTC:"),
            QStringLiteral("* R0 = ") + Formatta(parametri.R0, regione),
            QStringLiteral("* B  = ") + Formatta(parametri.B, regione), QString()};
}
