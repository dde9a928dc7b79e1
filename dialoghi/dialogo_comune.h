#pragma once

#include "dialoghi/scelta_file.h"

#include <QString>

// The file dialog object of the main window: one for both commands, living as long as the
// window, keeping the last file name between uses.
class DialogoComune {
public:
    explicit DialogoComune(SceltaFile& scelta);

    const QString& NomeFile() const { return nomeFile_; }
    void ImpostaNomeFile(const QString& nome) { nomeFile_ = nome; }

    // Shows the chooser; on a choice the name becomes its full path, with the default
    // extension added to a name without one, and true is returned. On cancel the name
    // stays as it was.
    bool Mostra(const ImpostazioniScelta& impostazioni);

private:
    SceltaFile& scelta_;
    QString nomeFile_;
};
