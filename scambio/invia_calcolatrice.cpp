#include "scambio/invia_calcolatrice.h"

#include "core/testi_numerici.h"

#include <QElapsedTimer>
#include <QTimer>

InviaCalcolatrice::InviaCalcolatrice(std::unique_ptr<PiattaformaCalcolatrice> piattaforma,
                                     const Regione& regione, QObject* genitore,
                                     std::chrono::milliseconds attesa,
                                     std::chrono::milliseconds intervallo)
    : QObject(genitore), piattaforma_(std::move(piattaforma)), regione_(regione), attesa_(attesa),
      intervallo_(intervallo) {}

InviaCalcolatrice::~InviaCalcolatrice() = default;

void InviaCalcolatrice::Invia(const std::string& registro) {
    if (!EUnNumeroLocale(registro, regione_)) {
        return;
    }
    const std::optional<AvvioCalcolatrice> avvio = piattaforma_->Avvia(registro);
    if (!avvio) {
        emit Concluso(false);
        return;
    }
    switch (avvio->consegna) {
    case ConsegnaNumero::AllAvvio:
        emit Concluso(true);
        break;
    case ConsegnaNumero::Impossibile:
        emit Concluso(false);
        break;
    case ConsegnaNumero::DaDigitare:
        // The text that passed the test is the one typed, whatever the register shows by
        // the time the window is up.
        AttendiFinestra(avvio->processo, registro);
        break;
    }
}

void InviaCalcolatrice::AttendiFinestra(std::int64_t processo, const std::string& testo) {
    // The timer is a child of this command, so a wait ends with the command.
    auto* controllo = new QTimer(this);
    QElapsedTimer trascorso;
    trascorso.start();
    controllo->setInterval(intervallo_);
    connect(controllo, &QTimer::timeout, this, [this, controllo, trascorso, processo, testo] {
        if (piattaforma_->FinestraAttiva(processo)) {
            controllo->stop();
            controllo->deleteLater();
            emit Concluso(piattaforma_->Digita(processo, testo));
        } else if (std::chrono::milliseconds(trascorso.elapsed()) >= attesa_) {
            controllo->stop();
            controllo->deleteLater();
            emit Concluso(false);
        }
    });
    controllo->start();
}
