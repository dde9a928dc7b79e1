#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Takes the place of the desktop's URL handler and keeps what it was asked to open.
class RaccoglitoreUrl : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE void Apri(const QUrl& indirizzo) { aperti.append(indirizzo); }

    QList<QUrl> aperti;
};
