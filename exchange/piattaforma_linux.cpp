#include "exchange/piattaforma_linux.h"

#include "exchange/notazione_tasti.h"
#include "exchange/tastiera_x11.h"

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

PiattaformaLinux::PiattaformaLinux(std::vector<CandidatoCalcolatrice> candidati,
                                   SessioneGrafica sessione)
    : candidati_(std::move(candidati)), sessione_(sessione) {}

std::optional<AvvioCalcolatrice> PiattaformaLinux::Avvia(const std::string& testo) {
    const auto trova = [](const std::string& programma) {
        return QStandardPaths::findExecutable(QString::fromStdString(programma)).toStdString();
    };
    const std::optional<ComandoCalcolatrice> comando =
        ScegliCalcolatrice(candidati_, sessione_, trova, testo);
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
    return AvvioCalcolatrice{processo, comando->consegna};
}

bool PiattaformaLinux::FinestraAttiva(std::int64_t processo) {
    return sessione_ == SessioneGrafica::X11 && AttivaFinestraX11(processo);
}

bool PiattaformaLinux::Digita(std::int64_t processo, const std::string& notazione) {
    if (sessione_ != SessioneGrafica::X11) {
        return false;
    }
    const auto tasti = InterpretaNotazioneTasti(notazione);
    return tasti && DigitaX11(processo, *tasti);
}
