#include "finestra/righe_storico.h"

#include "core/testi_numerici.h"
#include "finestra/tabella_pulsanti.h"

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
    if (codice >= STORICO_RISULTATO && codice < STORICO_RISULTATO + NUMERO_OPERAZIONI) {
        return registro + QString::fromUtf8(INGRESSO[codice - STORICO_RISULTATO]) +
               Formatta(valore, regione) + QString::fromUtf8(USCITA[codice - STORICO_RISULTATO]);
    }
    if (codice >= STORICO_ERRORE && codice < STORICO_ERRORE + NUMERO_OPERAZIONI) {
        return registro + QString::fromUtf8(INGRESSO[codice - STORICO_ERRORE]) +
               QStringLiteral("Errore");
    }
    switch (codice) {
    case STORICO_R0:
        return QStringLiteral("-> R0 = ") + Formatta(parametri.R0, regione);
    case STORICO_B:
        return QStringLiteral("-> B  = ") + Formatta(parametri.B, regione);
    case STORICO_RESET:
        return QStringLiteral("Reset eseguito");
    case STORICO_CALCOLATRICE_NON_DISPONIBILE:
        return QStringLiteral("Calcolatrice non disponibile !");
    case STORICO_SALVATAGGIO_FALLITO:
        return QStringLiteral("Salvataggio non riuscito !");
    case STORICO_B_ZERO:
        return QStringLiteral("B = 0 !");
    case STORICO_B_NON_POSITIVO:
        return QStringLiteral("B > 0 !");
    case STORICO_R0_NON_POSITIVO:
        return QStringLiteral("R0 > 0 !");
    case STORICO_R0_ZERO:
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
