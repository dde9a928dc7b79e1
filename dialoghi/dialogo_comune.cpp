#include "dialoghi/dialogo_comune.h"

#include <QDir>
#include <QFileInfo>

DialogoComune::DialogoComune(SceltaFile& scelta) : scelta_(scelta) {}

bool DialogoComune::Mostra(const ImpostazioniScelta& impostazioni) {
    const std::optional<QString> scelto = scelta_.Scegli(impostazioni, nomeFile_);
    if (!scelto || scelto->isEmpty()) {
        return false;
    }
    // Whatever the platform's chooser did with the default extension, the name gets it.
    QString percorso = QDir(impostazioni.cartellaIniziale).absoluteFilePath(*scelto);
    if (!impostazioni.estensionePredefinita.isEmpty() &&
        !QFileInfo(percorso).fileName().contains(u'.')) {
        percorso += u'.' + impostazioni.estensionePredefinita;
    }
    nomeFile_ = QDir::cleanPath(percorso);
    return true;
}
