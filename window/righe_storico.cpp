#include "righe_storico.h"

#include "core/testi_numerici.h"

namespace {

QString Formatta(double valore, const Regione& regione) {
    return QString::fromStdString(FormattaNumero(valore, regione));
}

// Units of the four conversions, by Cmd_Operazione index: what the register holds and
// what the result is in.
const char* const INGRESSO[] = {" [Ohm] = ", " [°C] = ", " [°C] = ", " [°C] = "};
const char* const USCITA[] = {" [°C]", " [Ohm]", " [°F]", " [K]"};

} // namespace

std::optional<QString> RigaStorico(qint16 codice, double valore, const QString& registro,
                                   const ParametriNTC& parametri, const Regione& regione) {
    if (codice >= 20 && codice <= 23) {
        return registro + QString::fromUtf8(INGRESSO[codice - 20]) + Formatta(valore, regione) +
               QString::fromUtf8(USCITA[codice - 20]);
    }
    if (codice >= 30 && codice <= 33) {
        return registro + QString::fromUtf8(INGRESSO[codice - 30]) + QStringLiteral("Errore");
    }
    switch (codice) {
    case 0:
        return QStringLiteral("-> R0 = ") + Formatta(parametri.R0, regione);
    case 1:
        return QStringLiteral("-> B  = ") + Formatta(parametri.B, regione);
    case 10:
        return QStringLiteral("Reset eseguito");
    case 94:
        return QStringLiteral("Calcolatrice non disponibile !");
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
