#include "modelli/adatta_beta.h"
#include "modelli/adatta_esteso.h"
#include "modelli/adatta_steinhart_hart.h"
#include "modelli/file_modello.h"
#include "ntc/modello_adattato.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/sottocomandi.h"

namespace {

// "T:R", both numbers; a negative temperature is fine ("-40:336000").
PuntoRT LeggiPunto(std::string_view testo) {
    const size_t due = testo.find(':');
    if (due == std::string_view::npos) {
        throw ErroreUso("--punti vuole T:R, non '" + std::string(testo) + "'");
    }
    return {LeggiValore(testo.substr(0, due), "--punti"),
            LeggiValore(testo.substr(due + 1), "--punti")};
}

std::vector<PuntoRT> Punti(const Argomenti& argomenti) {
    if (argomenti.Ha("punti") == argomenti.Ha("tabella")) {
        throw ErroreUso("i punti: --punti T:R ... oppure --tabella FILE.csv");
    }
    if (argomenti.Ha("tabella")) {
        return LeggiPuntiTabella(argomenti.Valori("tabella").front());
    }
    std::vector<PuntoRT> punti;
    for (const std::string& testo : argomenti.Valori("punti")) {
        punti.push_back(LeggiPunto(testo));
    }
    return punti;
}

template <typename Parametri> ModelloAdattato DaEsito(Esito<Adattamento<Parametri>> esito) {
    if (!esito.Riuscito()) {
        throw ErroreDati(esito.Motivo());
    }
    auto& a = esito.Valore();
    return {a.parametri, std::move(a.scarti.perPunto), a.scarti.massimo, std::move(a.avvisi), {}};
}

ModelloAdattato DaEsito(Esito<AdattamentoSteinhartHart> esito) {
    if (!esito.Riuscito()) {
        throw ErroreDati(esito.Motivo());
    }
    auto& a = esito.Valore();
    std::optional<ParametriBeta> beta;
    if (a.betaEstremi) {
        beta = a.betaEstremi->parametri;
    }
    return {a.parametri, std::move(a.scarti.perPunto), a.scarti.massimo, std::move(a.avvisi), beta};
}

// The fit the options ask for: exact through two (Beta) or three (Steinhart–Hart) points,
// least squares through more.
ModelloAdattato Adatta(const Argomenti& argomenti) {
    const auto& nome = argomenti.Valori("modello");
    if (nome.empty()) {
        throw ErroreUso("manca --modello beta|steinhart-hart|esteso");
    }
    const std::vector<PuntoRT> punti = Punti(argomenti);
    std::vector<double> pesi;
    for (const std::string& peso : argomenti.Valori("pesi")) {
        pesi.push_back(LeggiValore(peso, "--pesi"));
    }
    if (!pesi.empty() && pesi.size() != punti.size()) {
        throw ErroreUso("--pesi vuole un peso per punto");
    }
    if (argomenti.Ha("t0") && nome.front() != "beta") {
        throw ErroreUso("--t0 vale solo per --modello beta");
    }
    if (argomenti.Ha("rif") && nome.front() != "esteso") {
        throw ErroreUso("--rif vale solo per --modello esteso");
    }
    if (nome.front() == "beta") {
        const double t0 = NumeroOpzione(argomenti, "t0", 25);
        if (punti.size() == 2 && pesi.empty()) {
            return DaEsito(AdattaBeta(punti[0], punti[1], t0));
        }
        return DaEsito(AdattaBetaMinimiQuadrati(punti, pesi, t0));
    }
    if (nome.front() == "steinhart-hart") {
        if (punti.size() == 3 && pesi.empty()) {
            return DaEsito(AdattaSteinhartHart3(punti[0], punti[1], punti[2]));
        }
        return DaEsito(AdattaSteinhartHartMinimiQuadrati(punti, pesi));
    }
    if (nome.front() == "esteso") {
        const auto rif =
            argomenti.Ha("rif") ? std::optional(NumeroOpzione(argomenti, "rif")) : std::nullopt;
        return DaEsito(AdattaEsteso(punti, rif, pesi));
    }
    throw ErroreUso("--modello vuole beta, steinhart-hart o esteso");
}

} // namespace

void EseguiAdatta(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                  const Scarico& /*scarico*/) {
    if (!argomenti.valori.empty()) {
        throw ErroreUso("valore inatteso: " + argomenti.valori.front());
    }
    const ModelloAdattato modello = Adatta(argomenti);
    if (argomenti.Ha("salva")) {
        const std::string& file = argomenti.Valori("salva").front();
        if (!SalvaModello(file, modello.parametri)) {
            throw ErroreDati(file + ": salvataggio non riuscito");
        }
    }
    for (const std::string& avviso : modello.avvisi) {
        avvisi += "avviso: " + avviso + '\n';
    }
    ScriviModelloAdattato(uscita, modello, argomenti.Ha("json"));
}
