#pragma once

#include "core/parametri_ntc.h"
#include "core/regione.h"

#include <QString>
#include <QStringList>
#include <optional>

// The texts of the history list, apart from the list itself.

// The line that a message code stands for, or nothing for a code without one.
std::optional<QString> RigaStorico(qint16 codice, double valore, const QString& registro,
                                   const ParametriNTC& parametri, const Regione& regione);

// The four lines of the parameter summary, the last one empty.
QStringList BloccoParametri(const ParametriNTC& parametri, const Regione& regione);
