#pragma once

#include <QString>

// What the program knows about itself: name and version from the build, the
// notices, and the address the author can be written to.
struct InformazioniProdotto {
    QString nome;
    unsigned maggiore;
    unsigned minore;
    unsigned revisione;
    QString copyright;
    QString avviso;
    QString email;
};

InformazioniProdotto LeggiInformazioniProdotto();
