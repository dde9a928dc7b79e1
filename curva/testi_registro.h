#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

// A text of the models' registry (a kind's title, a coefficient's label), offered to the
// translation like the window's own.
inline QString TestoRegistro(std::string_view testo) {
    return QCoreApplication::translate("TipoModello", std::string(testo).c_str());
}
