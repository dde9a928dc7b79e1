#include "exchange/scelta_calcolatrice.h"

namespace {

constexpr std::string_view kSegnaposto = "{numero}";

std::vector<std::string> ArgomentiPer(const CandidatoCalcolatrice& candidato,
                                      const std::string& testo) {
    std::vector<std::string> argomenti;
    for (std::string argomento : candidato.argomentiNumero) {
        if (const size_t dove = argomento.find(kSegnaposto); dove != std::string::npos) {
            argomento.replace(dove, kSegnaposto.size(), testo);
        }
        argomenti.push_back(std::move(argomento));
    }
    return argomenti;
}

} // namespace

std::vector<CandidatoCalcolatrice> CandidatiPredefiniti() {
    // A leading "-" of the number must never read as an option: it goes in joined to
    // "--equation=", and after a blank as qalculate's expression.
    return {
        {"gnome-calculator", {"--equation={numero}"}},
        {"kcalc", {}},
        {"qalculate-qt", {" {numero}"}},
        {"qalculate-gtk", {" {numero}"}},
        {"galculator", {}},
        {"mate-calc", {}},
        {"xcalc", {}},
    };
}

std::optional<ComandoCalcolatrice>
ScegliCalcolatrice(const std::vector<CandidatoCalcolatrice>& candidati, SessioneGrafica sessione,
                   const TrovaProgramma& trova, const std::string& testo) {
    std::optional<ComandoCalcolatrice> primo;
    for (const CandidatoCalcolatrice& candidato : candidati) {
        const std::string percorso = trova(candidato.programma);
        if (percorso.empty()) {
            continue;
        }
        if (!candidato.argomentiNumero.empty()) {
            return ComandoCalcolatrice{percorso, ArgomentiPer(candidato, testo),
                                       ConsegnaNumero::AllAvvio};
        }
        if (sessione == SessioneGrafica::X11) {
            return ComandoCalcolatrice{percorso, {}, ConsegnaNumero::DaDigitare};
        }
        if (!primo) {
            primo = ComandoCalcolatrice{percorso, {}, ConsegnaNumero::Impossibile};
        }
    }
    return primo;
}
