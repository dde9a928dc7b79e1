#pragma once

#include "dialoghi/scelta_file.h"

// The chooser of the program: Qt's own widget-based file dialog, not the desktop's, so it
// shows Qt's Italian texts, looks and behaves alike on every desktop, and can be driven by
// keystrokes (a full path typed into the file-name field, then Enter).
class SceltaFileQt : public SceltaFile {
public:
    std::optional<QString> Scegli(const ImpostazioniScelta& impostazioni,
                                  const QString& nomeFile) override;
};
