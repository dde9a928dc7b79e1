#include "scambio/piattaforma_linux.h"

#include "scambio/tastiera_x11.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

SessioneGrafica SessioneCorrente() {
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
        qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland")) {
        return SessioneGrafica::Wayland;
    }
    return SessioneGrafica::X11;
}

std::unique_ptr<PiattaformaCalcolatrice> CreaPiattaformaCalcolatrice(const Regione& regione) {
    return std::make_unique<PiattaformaLinux>(regione);
}

PiattaformaLinux::PiattaformaLinux(Regione regione, std::vector<CandidatoCalcolatrice> candidati,
                                   SessioneGrafica sessione)
    : regione_(std::move(regione)), candidati_(std::move(candidati)), sessione_(sessione) {}

std::optional<AvvioCalcolatrice> PiattaformaLinux::Avvia(const std::string& testo) {
    const std::optional<NumeroScomposto> numero = ScomponiNumeroLocale(testo, regione_);
    if (!numero) {
        return std::nullopt;
    }
    const auto trova = [](const std::string& programma) {
        return QStandardPaths::findExecutable(QString::fromStdString(programma)).toStdString();
    };
    const std::optional<ComandoCalcolatrice> comando =
        ScegliCalcolatrice(candidati_, sessione_, trova, *numero, regione_.decimale);
    if (!comando) {
        return std::nullopt;
    }
    QStringList argomenti;
    for (const std::string& argomento : comando->argomenti) {
        argomenti.append(QString::fromStdString(argomento));
    }
    qint64 processo = 0;
    if (!QProcess::startDetached(QString::fromStdString(comando->programma), argomenti, QString(),
                                 &processo)) {
        return std::nullopt;
    }
    if (comando->consegna == ConsegnaNumero::DaDigitare) {
        avviate_[processo] = *comando;
    }
    return AvvioCalcolatrice{processo, comando->consegna};
}

bool PiattaformaLinux::FinestraAttiva(std::int64_t processo) {
    return sessione_ == SessioneGrafica::X11 && AttivaFinestraX11(processo);
}

bool PiattaformaLinux::Digita(std::int64_t processo, const std::string& testo) {
    const auto avviata = avviate_.find(processo);
    if (avviata == avviate_.end()) {
        return false;
    }
    const ComandoCalcolatrice comando = avviata->second;
    avviate_.erase(avviata);
    const std::optional<NumeroScomposto> numero = ScomponiNumeroLocale(testo, regione_);
    if (sessione_ != SessioneGrafica::X11 || !numero) {
        return false;
    }
    const std::vector<Tasto> tasti = TastiPer(*numero, comando.modo);
    return !tasti.empty() &&
           DigitaX11(processo, tasti,
                     {.quiete = comando.quiete, .azzeramento = TastiAzzeramento(comando.modo)});
}
