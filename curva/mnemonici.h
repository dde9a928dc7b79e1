#pragma once

#include <QString>
#include <QStringList>

// Labels with an Alt+key mnemonic each, none shared with another label or with the
// reserved keys (the menus'): as many labels as can have one get one, the earlier first
// (a later label never takes an earlier one's only key), each a letter or digit of its own
// text, the first that allows it, those in `contesi` (what labels shown beside these in
// turn will need) last. Labels that already carry an "&" keep it.
QStringList AssegnaMnemonici(const QStringList& etichette, const QString& riservati,
                             const QString& contesi = {});

// The letters and digits a label could take, lower case, in its order.
QString CandidatiMnemonico(const QString& etichetta);

// The mnemonic of a label, lower case; a null character when it has none.
QChar Mnemonico(const QString& etichetta);
