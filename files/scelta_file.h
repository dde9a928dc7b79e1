#pragma once

#include <QString>

#include <optional>

// The platform's file chooser, behind an interface so that tests can answer for the user.

enum class TipoScelta { Apri, Salva };

// Flags of the common file dialog, with their customary values.
inline constexpr int FLAG_CONFERMA_SOVRASCRITTURA = 2;
inline constexpr int FLAG_NASCONDI_SOLA_LETTURA = 4;

struct ImpostazioniScelta {
    TipoScelta tipo = TipoScelta::Apri;
    int flag = 0;
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
