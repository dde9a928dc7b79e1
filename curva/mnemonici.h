#pragma once

#include <QString>
#include <QStringList>

// Labels with an Alt+key mnemonic each, none shared with another label or with the
// reserved keys (the menus'): the first letter or digit of a label that is still free,
// else none. Labels that already carry an "&" keep it.
QStringList AssegnaMnemonici(const QStringList& etichette, const QString& riservati);
