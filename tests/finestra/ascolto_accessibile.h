#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <vector>

// Keeps the accessibility events Qt hands to the platform while an instance lives, the way a
// screen reader's bridge would see them. A bridge gets every event; an update handler is
// called only while the platform reports an active screen reader, which offscreen never does.
class AscoltoAccessibile {
public:
    struct Evento {
        QAccessible::Event tipo;
        QPointer<QObject> oggetto;
        QString nome; // the source's accessible name when the event was sent
    };

    AscoltoAccessibile();
    ~AscoltoAccessibile();
    AscoltoAccessibile(const AscoltoAccessibile&) = delete;
    AscoltoAccessibile& operator=(const AscoltoAccessibile&) = delete;

    // The events of one kind that came from one object, oldest first.
    std::vector<Evento> Da(const QObject* oggetto, QAccessible::Event tipo) const;

    std::vector<Evento> eventi;
};
