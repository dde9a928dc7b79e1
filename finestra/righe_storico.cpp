#include "finestra/righe_storico.h"

#include "core/testi_numerici.h"
#include "finestra/tabella_pulsanti.h"

#include <array>

namespace {

QString Formatta(double valore, const Regione& regione) {
    return QString::fromStdString(FormattaNumero(valore, regione));
}

// Units of the four conversions, by Cmd_Operazione index: what the register holds and
// what the result is in.
constexpr std::array<const char*, NUMERO_OPERAZIONI> INGRESSO{
    " [Ohm] = ", " [°C] = ", " [°C] = ", " [°C] = "};
constexpr std::array<const char*, NUMERO_OPERAZIONI> USCITA{" [°C]", " [Ohm]", " [°F]", " [K]"};

// One handler per kind of line: a kind added to RigaStorico without one fails to compile.
template <typename... Gestori> struct Casi : Gestori... { using Gestori::operator()...; };
// Clang before 17 deduces no aggregate's arguments by itself.
template <typename... Gestori> Casi(Gestori...) -> Casi<Gestori...>;

QString TestoAvviso(RigaAvviso avviso) {
    switch (avviso) {
    case RigaAvviso::CalcolatriceNonDisponibile:
        return QStringLiteral("Calcolatrice non disponibile !");
    case RigaAvviso::SalvataggioFallito:
        return QStringLiteral("Salvataggio non riuscito !");
    case RigaAvviso::BZero:
        return QStringLiteral("B = 0 !");
    case RigaAvviso::BNonPositivo:
        return QStringLiteral("B > 0 !");
    case RigaAvviso::R0NonPositivo:
        return QStringLiteral("R0 > 0 !");
    case RigaAvviso::R0Zero:
        return QStringLiteral("R0 = 0 !");
    }
    return {};
}

} // namespace

QString TestoRigaStorico(const RigaStorico& riga, const QString& registro,
                         const ParametriNTC& parametri, const Regione& regione) {
    const auto ingresso = [&](qint16 operazione) {
        return registro + QString::fromUtf8(INGRESSO.at(static_cast<size_t>(operazione)));
    };
    return std::visit(
        Casi{
            [&](const RigaParametro& p) {
                return p.quale == RigaParametro::Quale::R0
                           ? QStringLiteral("-> R0 = ") + Formatta(parametri.R0, regione)
                           : QStringLiteral("-> B  = ") + Formatta(parametri.B, regione);
            },
            [](const RigaReset&) { return QStringLiteral("Reset eseguito"); },
            [&](const RigaRisultato& r) {
                return ingresso(r.operazione) + Formatta(r.valore, regione) +
                       QString::fromUtf8(USCITA.at(static_cast<size_t>(r.operazione)));
            },
            [&](const RigaErroreConversione& e) {
                return ingresso(e.operazione) + QStringLiteral("Errore");
            },
            [](RigaAvviso a) { return TestoAvviso(a); },
        },
        riga);
}

QStringList BloccoParametri(const ParametriNTC& parametri, const Regione& regione) {
    return {QStringLiteral("Parametri NTC:"),
            QStringLiteral("* R0 = ") + Formatta(parametri.R0, regione),
            QStringLiteral("* B  = ") + Formatta(parametri.B, regione), QString()};
}
