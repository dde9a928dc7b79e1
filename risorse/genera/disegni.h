#pragma once

#include <QImage>
#include <QSize>

// Each picture is drawn in its logical size; rapporto scales it for high-density copies.
QImage DisegnaLibro(int lato);
QImage DisegnaInformazioni(int lato);
QImage DisegnaEquazione(QSize logica, qreal rapporto);
QImage DisegnaLogo(QSize logica, qreal rapporto);
