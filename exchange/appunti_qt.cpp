#include "exchange/appunti_qt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

void AppuntiQt::Svuota() {
    QGuiApplication::clipboard()->clear();
}

void AppuntiQt::ScriviTesto(const std::string& testo) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(testo));
}

std::string AppuntiQt::LeggiTesto() {
    return QGuiApplication::clipboard()->text().toStdString();
}
