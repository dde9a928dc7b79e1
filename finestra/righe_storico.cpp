#include "finestra/righe_storico.h"

#include "core/testi_numerici.h"
#include "finestra/tabella_pulsanti.h"

#include <QCoreApplication>

#include <array>

namespace {

QString Formatta(double valore, const Regione& regione) {
    return QString::fromStdString(FormattaNumero(valore, regione));
}

// Units of the four conversions, by Cmd_Operazione index: what the register holds and
// what the result is in.
constexpr std::array<const char*, NUMERO_OPERAZIONI> INGRESSO{
    QT_TRANSLATE_NOOP("RigheStorico", " [Ohm] = "), QT_TRANSLATE_NOOP("RigheStorico", " [°C] = "),
    QT_TRANSLATE_NOOP("RigheStorico", " [°C] = "), QT_TRANSLATE_NOOP("RigheStorico", " [°C] = ")};
constexpr std::array<const char*, NUMERO_OPERAZIONI> USCITA{
    QT_TRANSLATE_NOOP("RigheStorico", " [°C]"), QT_TRANSLATE_NOOP("RigheStorico", " [Ohm]"),
    QT_TRANSLATE_NOOP("RigheStorico", " [°F]"), QT_TRANSLATE_NOOP("RigheStorico", " [K]")};

// One handler per kind of line: a kind added to RigaStorico without one fails to compile.
template <typename... Gestori> struct Casi : Gestori... { using Gestori::operator()...; };
// Clang before 17 deduces no aggregate's arguments by itself.
template <typename... Gestori> Casi(Gestori...) -> Casi<Gestori...>;

QString TestoAvviso(RigaAvviso avviso) {
    switch (avviso) {
    case RigaAvviso::CalcolatriceNonDisponibile:
        return QCoreApplication::translate("RigheStorico", "Calcolatrice non disponibile !");
    case RigaAvviso::SalvataggioFallito:
        return QCoreApplication::translate("RigheStorico", "Salvataggio non riuscito !");
    case RigaAvviso::BZero:
        return QCoreApplication::translate("RigheStorico", "B = 0 !");
    case RigaAvviso::BNonPositivo:
        return QCoreApplication::translate("RigheStorico", "B > 0 !");
    case RigaAvviso::R0NonPositivo:
        return QCoreApplication::translate("RigheStorico", "R0 > 0 !");
    case RigaAvviso::R0Zero:
        return QCoreApplication::translate("RigheStorico", "R0 = 0 !");
    }
    return {};
}

} // namespace

QString TestoRigaStorico(const RigaStorico& riga, const QString& registro,
                         const ParametriNTC& parametri, const Regione& regione) {
    const auto ingresso = [&](qint16 operazione) {
        return registro + QCoreApplication::translate("RigheStorico",
                                                      INGRESSO.at(static_cast<size_t>(operazione)));
    };
    return std::visit(Casi{
                          [&](const RigaParametro& p) {
                              return p.quale == RigaParametro::Quale::R0
                                         ? QCoreApplication::translate("RigheStorico", "-> R0 = ") +
                                               Formatta(parametri.R0, regione)
                                         : QCoreApplication::translate("RigheStorico", "-> B  = ") +
                                               Formatta(parametri.B, regione);
                          },
                          [](const RigaReset&) {
                              return QCoreApplication::translate("RigheStorico", "Reset eseguito");
                          },
                          [&](const RigaRisultato& r) {
                              return ingresso(r.operazione) + Formatta(r.valore, regione) +
                                     QCoreApplication::translate(
                                         "RigheStorico",
                                         USCITA.at(static_cast<size_t>(r.operazione)));
                          },
                          [&](const RigaErroreConversione& e) {
                              return ingresso(e.operazione) +
                                     QCoreApplication::translate("RigheStorico", "Errore");
                          },
                          [](RigaAvviso a) { return TestoAvviso(a); },
                      },
                      riga);
}

QStringList BloccoParametri(const ParametriNTC& parametri, const Regione& regione) {
    return {QCoreApplication::translate("RigheStorico", "Parametri NTC:"),
            QCoreApplication::translate("RigheStorico", "* R0 = ") +
                Formatta(parametri.R0, regione),
            QCoreApplication::translate("RigheStorico", "* B  = ") + Formatta(parametri.B, regione),
            QString()};
}
