#pragma once

#include "core/regione.h"
#include "scambio/piattaforma_calcolatrice.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <string>

// The "Invia alla calcolatrice" command: starts a new calculator for a register that holds
// a number, and hands the number over at start or types it, as the same value, once the
// calculator's own window is active. The wait runs on the event loop; nothing is typed
// when no calculator starts or its window does not come up in time, and Concluso says so.
class InviaCalcolatrice : public QObject {
    Q_OBJECT

public:
    // A starved machine was measured taking 15 to 23 s to show galculator's window.
    static constexpr std::chrono::milliseconds ATTESA_FINESTRA{30000};
    static constexpr std::chrono::milliseconds INTERVALLO_CONTROLLO{100};

    InviaCalcolatrice(std::unique_ptr<PiattaformaCalcolatrice> piattaforma, const Regione& regione,
                      QObject* genitore = nullptr,
                      std::chrono::milliseconds attesa = ATTESA_FINESTRA,
                      std::chrono::milliseconds intervallo = INTERVALLO_CONTROLLO);
    ~InviaCalcolatrice() override;

    // Returns at once; the outcome of a started calculator comes as Concluso.
    void Invia(const std::string& registro);

signals:
    // Once for every calculator started or tried: whether the number reached it.
    void Concluso(bool consegnato);

private:
    void AttendiFinestra(std::int64_t processo, const std::string& testo);

    std::unique_ptr<PiattaformaCalcolatrice> piattaforma_;
    Regione regione_;
    std::chrono::milliseconds attesa_;
    std::chrono::milliseconds intervallo_;
};
