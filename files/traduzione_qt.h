#pragma once

class QCoreApplication;

// Installs Qt's own Italian texts (standard dialogs and buttons) in the application;
// false when the translation is not installed, and the texts then stay English.
bool CaricaTraduzioneQt(QCoreApplication& applicazione);
