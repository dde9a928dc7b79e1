#pragma once

#include "core/parametri_ntc.h"
#include "core/regione.h"

#include <QString>
#include <QStringList>

#include <variant>

// The lines of the history list, apart from the list itself: one type per kind of line.

// "-> R0 = 10000.0" or "-> B  = 3950.0": a parameter as it now is.
struct RigaParametro {
    enum class Quale { R0, B };
    Quale quale = Quale::R0;
};
// "Reset eseguito".
struct RigaReset {};
// "25 [°C] = 10000.0 [Ohm]": the register, then a conversion's result (by its
// Cmd_Operazione index).
struct RigaRisultato {
    qint16 operazione = 0;
    double valore = 0;
};
// "25 [°C] = Errore": the register and a conversion that has no result.
struct RigaErroreConversione {
    qint16 operazione = 0;
};
// The one-word warnings.
enum class RigaAvviso {
    CalcolatriceNonDisponibile, // "Calcolatrice non disponibile !"
    SalvataggioFallito,         // "Salvataggio non riuscito !"
    BZero,                      // "B = 0 !"
    BNonPositivo,               // "B > 0 !"
    R0NonPositivo,              // "R0 > 0 !"
    R0Zero,                     // "R0 = 0 !"
};

using RigaStorico =
    std::variant<RigaParametro, RigaReset, RigaRisultato, RigaErroreConversione, RigaAvviso>;

// The text of a line; the register is quoted as it stands.
QString TestoRigaStorico(const RigaStorico& riga, const QString& registro,
                         const ParametriNTC& parametri, const Regione& regione);

// The four lines of the parameter summary, the last one empty.
QStringList BloccoParametri(const ParametriNTC& parametri, const Regione& regione);
