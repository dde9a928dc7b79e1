#pragma once

#include "core/regione.h"

#include <QString>

#include <thread>

class QCoreApplication;

// Metric-compatible faces for the fonts the windows ask for by name (Arial Narrow,
// Arial), where those are not installed, so the texts look the same on every machine.
void RegistraSostituzioniCaratteri();

// The face to ask for when a window wants the given family: the family itself when it is
// installed, else its metric twin of the substitutions above when that is, else the family
// as given. Qt finds an installed face by its name at once; a missing one costs a failed
// match and a search through fontconfig's fallbacks before the substitution is tried.
QString FamigliaInstallata(const QString& famiglia);

// Installs Qt's own Italian texts (standard dialogs and buttons) in the application;
// false when the translation is not installed, and the texts then stay English.
bool CaricaTraduzioneQt(QCoreApplication& applicazione);

// Parses the font configuration (fontconfig's XML files, then its caches) on a thread of its
// own from construction, and waits for that thread when destroyed. Made first thing in
// main, before the application: the parsing is most of what fonts cost a window, and a
// window with a menu bar needs it before it can map, since the bar's height comes from its
// font; meanwhile the main thread loads the platform and connects to the X server, which
// need no font. fontconfig is safe to use from several threads, and Qt, asking for the
// configuration later, finds it made.
class LetturaConfigurazioneCaratteri {
public:
    LetturaConfigurazioneCaratteri();

    // Returns once the configuration is read; at once on later calls.
    void Attendi();

private:
    std::jthread filo_; // joined when destroyed
};

// Reads the installed faces into Qt's font database, which the first text of a window
// needs, once the configuration is read; done before the first control is made, it runs
// while the session bus connects. Waiting first matters: Qt asking fontconfig while the
// thread still parses would parse the whole configuration a second time.
void LeggiCaratteri(LetturaConfigurazioneCaratteri& configurazione);

// What the windows rely on from the start, set up once the application exists and before
// the first window: the faces above, Qt's own texts in Italian, the font configuration,
// and the user's decimal and grouping separators, read once from the system locale and
// returned.
Regione PreparaApplicazione(QCoreApplication& applicazione,
                            LetturaConfigurazioneCaratteri& configurazione);

// Connects to the session bus on a thread of its own, from construction on, and waits for
// that thread when destroyed. Made right after the application, before the first window.
//
// Qt's accessibility bridge for the X11 platform (QSpiAccessibleBridge) is created by the
// first accessibility event, and Qt's controls send one when they get their text and when
// they are shown, which for the children of a window happens before the window itself is
// mapped. Its constructor connects to the session bus and waits for it: a round trip to a
// running bus, or, when DBUS_SESSION_BUS_ADDRESS names none, libdbus starting one on the
// spot (dbus-launch --autolaunch), some tens of milliseconds. Qt 6.4 offers no way to create
// the bridge later, and one created without a bus never listens for a screen reader again.
// Connecting here instead lets the main thread read the fonts meanwhile; the bridge then
// finds the connection made, or waits only for what is left of it, and is the same bridge
// with the same bus as before, so screen readers see every control as they did.
class CollegamentoSessione {
public:
    CollegamentoSessione();

private:
    std::jthread filo_; // joined when destroyed
};
