#pragma once

#include "core/parametri_ntc.h"
#include "core/regione.h"

#include <QString>
#include <QStringList>
#include <optional>

// The texts of the history list, apart from the list itself.

// The message codes of the history lines.
inline constexpr qint16 STORICO_R0 = 0;
inline constexpr qint16 STORICO_B = 1;
inline constexpr qint16 STORICO_RESET = 10;
// Plus the conversion's Cmd_Operazione index: the result, or the failure.
inline constexpr qint16 STORICO_RISULTATO = 20;
inline constexpr qint16 STORICO_ERRORE = 30;
inline constexpr qint16 STORICO_CALCOLATRICE_NON_DISPONIBILE = 94;
inline constexpr qint16 STORICO_SALVATAGGIO_FALLITO = 95;
inline constexpr qint16 STORICO_B_ZERO = 96;
inline constexpr qint16 STORICO_B_NON_POSITIVO = 97;
inline constexpr qint16 STORICO_R0_NON_POSITIVO = 98;
inline constexpr qint16 STORICO_R0_ZERO = 99;

// The line that a message code stands for, or nothing for a code without one.
std::optional<QString> RigaStorico(qint16 codice, double valore, const QString& registro,
                                   const ParametriNTC& parametri, const Regione& regione);

// The four lines of the parameter summary, the last one empty.
QStringList BloccoParametri(const ParametriNTC& parametri, const Regione& regione);
