#pragma once

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <optional>

// What the stand-in calculator recorded in its folder: the file's content, once it exists.
inline std::optional<QByteArray> LeggiRegistro(const QString& cartella, const QString& nome,
                                               int attesaMs = 5000) {
    QFile file(QDir(cartella).filePath(nome));
    if (!QTest::qWaitFor([&] { return file.exists(); }, attesaMs) ||
        !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

// Ends the stand-in calculator that recorded its id in the folder.
inline void TerminaCalcolatriceFinta(const QString& cartella) {
    if (const auto pid = LeggiRegistro(cartella, "pid", 0)) {
        if (const qint64 processo = pid->toLongLong(); processo > 0) {
            ::kill(static_cast<pid_t>(processo), SIGTERM);
        }
    }
}
