#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Pictures of the program, compiled in as Qt resources. Each picture has a
// double-density twin named with "@2x" before the extension.
inline constexpr const char* PERCORSO_EQUAZIONE = ":/immagini/equazione.png";
inline constexpr const char* PERCORSO_LOGO = ":/immagini/logo.png";

// The main window's open book, ":/icone/libro_16.png" to ":/icone/libro_64.png".
QIcon CreaIconaLibro();

// The About window's information sign, ":/icone/informazioni_32.png" and its 64 px twin.
QIcon CreaIconaInformazioni();

// Loads a picture for a screen of the given device pixel ratio: above 1 it takes the
// "@2x" twin when there is one, marked with ratio 2 so that it keeps its logical size.
// QPixmap's own loading does not look for the twin.
QPixmap CaricaImmagine(const QString& percorso, qreal rapportoPixel);
