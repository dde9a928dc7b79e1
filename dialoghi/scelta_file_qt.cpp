#include "dialoghi/scelta_file_qt.h"

#include <QApplication>
#include <QFileDialog>

std::optional<QString> SceltaFileQt::Scegli(const ImpostazioniScelta& impostazioni,
                                            const QString& nomeFile) {
    // Modal over the window that asked for it.
    QFileDialog dialogo(QApplication::activeWindow(), impostazioni.titolo,
                        impostazioni.cartellaIniziale, impostazioni.filtro);
    dialogo.setObjectName(QStringLiteral("DialogoFile"));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    // The Open dialog, too, accepts the name of a file that does not exist.
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setAcceptMode(impostazioni.tipo == TipoScelta::Salva ? QFileDialog::AcceptSave
                                                                 : QFileDialog::AcceptOpen);
    // Qt's dialog has no read-only check box to hide, and asks before overwriting.
    dialogo.setDefaultSuffix(impostazioni.estensionePredefinita);
    if (!nomeFile.isEmpty()) {
        dialogo.selectFile(nomeFile);
    }
    if (dialogo.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList scelti = dialogo.selectedFiles();
    if (scelti.isEmpty()) {
        return std::nullopt;
    }
    return scelti.front();
}
