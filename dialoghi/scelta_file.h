#pragma once

#include <QString>

#include <optional>

// The platform's file chooser, behind an interface so that tests can answer for the user.

enum class TipoScelta { Apri, Salva };

struct ImpostazioniScelta {
    // Save asks before overwriting a file; Open takes also a name that does not exist.
    TipoScelta tipo = TipoScelta::Apri;
    QString estensionePredefinita;
    QString cartellaIniziale;
    QString titolo;
    QString filtro;
};

class SceltaFile {
public:
    virtual ~SceltaFile() = default;
    // Shows the chooser modally, starting from nomeFile (a bare name or a full path); the
    // chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> Scegli(const ImpostazioniScelta& impostazioni,
                                          const QString& nomeFile) = 0;
};
