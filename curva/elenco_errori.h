#pragma once

#include <QString>
#include <QStringList>

// Bad lines as a message shows them: ten at most, one a line, then how many more, so that
// a file of thousands of bad lines still gives a box that fits the screen.
QString ElencoErrori(const QStringList& righe);
