#pragma once

#include "dialoghi/dialogo_comune.h"

#include <QString>

#include <filesystem>

// The Open and Save dialogs of the parameter files.

// The chosen file's full path, or an empty path when the user cancelled.
std::filesystem::path DialogoApri(DialogoComune& dialogo);
std::filesystem::path DialogoSalva(DialogoComune& dialogo);

// The folder the dialogs start in: the program's own folder when the user may write there
// and it is no system location (under /usr, /opt, /bin, /sbin or /lib, where root may
// write too), else the documents folder, else home.
QString ScegliCartellaIniziale(const QString& cartellaProgramma, const QString& documenti,
                               const QString& casa);

// A path from a text of the dialogs or the window, on every platform's own encoding.
std::filesystem::path PercorsoDaTesto(const QString& testo);
