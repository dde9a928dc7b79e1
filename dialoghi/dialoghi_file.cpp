#include "dialoghi/dialoghi_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <iterator>

namespace {

constexpr const char* CARTELLE_DI_SISTEMA[] = {"/usr", "/opt", "/bin", "/sbin", "/lib"};

// Where installed programs live: root may write there, but a parameter file does not belong.
bool CartellaDiSistema(const QString& cartella) {
    const QString percorso = QFileInfo(cartella).canonicalFilePath();
    return std::any_of(std::begin(CARTELLE_DI_SISTEMA), std::end(CARTELLE_DI_SISTEMA),
                       [&](const char* sistema) {
                           const QString radice = QString::fromLatin1(sistema);
                           return percorso == radice || percorso.startsWith(radice + u'/');
                       });
}

bool CartellaScrivibile(const QString& cartella) {
    const QFileInfo info(cartella);
    return !cartella.isEmpty() && info.isDir() && info.isWritable() && !CartellaDiSistema(cartella);
}

// Read anew at every use: the folders may change while the program runs.
QString CartellaIniziale() {
    return ScegliCartellaIniziale(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath());
}

ImpostazioniScelta Impostazioni(TipoScelta tipo, const QString& titolo) {
    return {tipo, QStringLiteral("ntc"), CartellaIniziale(), titolo, QStringLiteral("NTC (*.ntc)")};
}

std::filesystem::path Risultato(const DialogoComune& dialogo, bool scelto) {
    return scelto ? PercorsoDaTesto(dialogo.NomeFile()) : std::filesystem::path();
}

} // namespace

std::filesystem::path DialogoApri(DialogoComune& dialogo) {
    const bool scelto = dialogo.Mostra(Impostazioni(
        TipoScelta::Apri, QCoreApplication::translate("DialoghiFile", "Carica parametri NTC")));
    return Risultato(dialogo, scelto);
}

std::filesystem::path DialogoSalva(DialogoComune& dialogo) {
    const ImpostazioniScelta impostazioni =
        Impostazioni(TipoScelta::Salva,
                     QCoreApplication::translate("DialoghiFile", "Salva parametri NTC con nome"));
    dialogo.ImpostaNomeFile(QStringLiteral("NoName"));
    return Risultato(dialogo, dialogo.Mostra(impostazioni));
}

QString ScegliCartellaIniziale(const QString& cartellaProgramma, const QString& documenti,
                               const QString& casa) {
    if (CartellaScrivibile(cartellaProgramma)) {
        return cartellaProgramma;
    }
    if (!documenti.isEmpty() && QFileInfo(documenti).isDir()) {
        return documenti;
    }
    return casa;
}

std::filesystem::path PercorsoDaTesto(const QString& testo) {
    return std::filesystem::path(testo.toStdU16String());
}
