#include "informazioni/informazioni_prodotto.h"

#include <QCoreApplication>

InformazioniProdotto LeggiInformazioniProdotto() {
    return {
        QStringLiteral(BREVANTO_NOME_PRODOTTO),
        BREVANTO_VERSIONE_MAGGIORE,
        BREVANTO_VERSIONE_MINORE,
        BREVANTO_VERSIONE_REVISIONE,
        QCoreApplication::translate("Informazioni", "Copyright © 2024. Tutti i diritti riservati."),
        QCoreApplication::translate(
            "Informazioni",
            "Attenzione: il programma è fornito così com'è, senza garanzia di alcun "
            "tipo. Verificare i risultati prima di usarli: l'autore non risponde di "
            "danni derivanti dal loro impiego."),
        QStringLiteral(BREVANTO_EMAIL),
    };
}
