#include "scambio/scelta_calcolatrice.h"

namespace {

constexpr std::string_view SEGNAPOSTO = "{numero}";

std::vector<std::string> ArgomentiPer(const CandidatoCalcolatrice& candidato,
                                      const std::string& testo) {
    std::vector<std::string> argomenti;
    for (std::string argomento : candidato.argomentiNumero) {
        if (const size_t dove = argomento.find(SEGNAPOSTO); dove != std::string::npos) {
            argomento.replace(dove, SEGNAPOSTO.size(), testo);
        }
        argomenti.push_back(std::move(argomento));
    }
    return argomenti;
}

} // namespace

std::vector<CandidatoCalcolatrice> CandidatiPredefiniti() {
    using namespace std::chrono_literals;
    using enum ModoScrittura;
    // A leading "-" of the number must never read as an option: it goes in joined to
    // "--equation=", and after a blank as qalculate's expression. galculator holds the
    // button of a key down for 100 ms after showing the key, animating it, and drops that
    // key if it comes again meanwhile; once its window is still, its buttons are up (before
    // the same key again the typing waits longer, as a starved server repaints late).
    return {
        {"gnome-calculator", {"--equation={numero}"}, Apice, 0ms},
        {"qalculate-qt", {" {numero}"}, Testo, 0ms},
        {"qalculate-gtk", {" {numero}"}, Testo, 0ms},
        {"galculator", {}, Galculator, 200ms},
        {"mate-calc", {}, MateCalc, 0ms},
        {"xcalc", {}, Xcalc, 0ms},
    };
}

std::optional<ComandoCalcolatrice>
ScegliCalcolatrice(const std::vector<CandidatoCalcolatrice>& candidati, SessioneGrafica sessione,
                   const TrovaProgramma& trova, const NumeroScomposto& numero,
                   const std::string& decimale) {
    std::optional<ComandoCalcolatrice> primo;
    for (const CandidatoCalcolatrice& candidato : candidati) {
        const std::string percorso = trova(candidato.programma);
        if (percorso.empty()) {
            continue;
        }
        if (!candidato.argomentiNumero.empty()) {
            const std::string testo = ScriviPerArgomento(numero, candidato.modo, decimale);
            return ComandoCalcolatrice{percorso, ArgomentiPer(candidato, testo),
                                       ConsegnaNumero::AllAvvio, candidato.modo, candidato.quiete};
        }
        if (sessione == SessioneGrafica::X11) {
            return ComandoCalcolatrice{
                percorso, {}, ConsegnaNumero::DaDigitare, candidato.modo, candidato.quiete};
        }
        if (!primo) {
            primo = ComandoCalcolatrice{
                percorso, {}, ConsegnaNumero::Impossibile, candidato.modo, candidato.quiete};
        }
    }
    return primo;
}
