#include "risorse/immagine_differita.h"

#include "risorse/risorse.h"

ImmagineDifferita::ImmagineDifferita(const QString& percorso, QWidget* genitore)
    : QLabel(genitore), percorso_(percorso) {}

void ImmagineDifferita::paintEvent(QPaintEvent* evento) {
    if (!decodificata_) {
        decodificata_ = true;
        setPixmap(CaricaImmagine(percorso_, devicePixelRatioF()));
    }
    QLabel::paintEvent(evento);
}
