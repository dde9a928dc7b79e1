#pragma once

#include <QString>
#include <QStringList>

// Bad lines as a message shows them: ten at most, one a line, then how many more, so that
// a file of thousands of bad lines still gives a box that fits the screen. A reader that
// keeps only the first few of its bad lines gives how many there were in all.
QString ElencoErrori(const QStringList& righe, qsizetype tutte);
