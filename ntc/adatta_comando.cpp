#include "modelli/file_modello.h"
#include "modelli/registro_modelli.h"
#include "ntc/modello_da_opzioni.h"
#include "ntc/numeri_uscita.h"
#include "ntc/rapporto_adattamento.h"
#include "ntc/sottocomandi.h"

#include <algorithm>

namespace {

// "T:R", both numbers, R also in the engineers' forms; a negative temperature is fine
// ("-40:336k").
PuntoRT LeggiPunto(std::string_view testo) {
    const size_t due = testo.find(':');
    if (due == std::string_view::npos) {
        throw ErroreUso("--punti vuole T:R, non '" + std::string(testo) + "'");
    }
    return {LeggiValore(testo.substr(0, due), "--punti"),
            LeggiOhm(testo.substr(due + 1), "--punti")};
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

// The option that gives the kind's coefficient, when one option gives it alone.
const OpzioneModello* OpzioneDelDato(const TipoModello& tipo, std::size_t coefficiente) {
    const auto trovata =
        std::find_if(tipo.opzioni.begin(), tipo.opzioni.end(), [&](const OpzioneModello& o) {
            return o.primo == coefficiente && o.quanti == 1;
        });
    return trovata == tipo.opzioni.end() ? nullptr : &*trovata;
}

std::string NomiTipi() {
    std::string nomi;
    for (std::size_t i = 0; i < TIPI_MODELLO.size(); ++i) {
        nomi += i == 0 ? "" : (i + 1 == TIPI_MODELLO.size() ? " o " : ", ");
        nomi += TIPI_MODELLO[i].nome;
    }
    return nomi;
}

// The kinds whose fit takes the option as a given coefficient: "beta", "esteso o esteso-diretto".
std::string TipiCheLaPrendono(std::string_view opzione) {
    std::string nomi;
    for (const TipoModello& tipo : TIPI_MODELLO) {
        for (const std::size_t dato : tipo.dati) {
            const OpzioneModello* o = OpzioneDelDato(tipo, dato);
            if (o != nullptr && o->nome == opzione) {
                nomi += (nomi.empty() ? "" : " o ") + std::string(tipo.nome);
            }
        }
    }
    return nomi;
}

// The fit the options ask for.
AdattamentoModello Adatta(const Argomenti& argomenti) {
    const auto& nome = argomenti.Valori("modello");
    if (nome.empty()) {
        throw ErroreUso("manca --modello " + NomiTipi());
    }
    const auto indice = TipoDaNome(nome.front());
    if (!indice) {
        throw ErroreUso("--modello vuole " + NomiTipi());
    }
    const TipoModello& tipo = TIPI_MODELLO[*indice];
    const std::vector<PuntoRT> punti = Punti(argomenti);
    std::vector<double> pesi;
    for (const std::string& peso : argomenti.Valori("pesi")) {
        pesi.push_back(LeggiValore(peso, "--pesi"));
    }
    if (!pesi.empty() && pesi.size() != punti.size()) {
        throw ErroreUso("--pesi vuole un peso per punto");
    }
    for (const Opzione& opzione : OpzioniDatiAdattamento()) {
        const bool ammessa = std::any_of(tipo.dati.begin(), tipo.dati.end(), [&](std::size_t d) {
            const OpzioneModello* o = OpzioneDelDato(tipo, d);
            return o != nullptr && o->nome == opzione.nome;
        });
        if (argomenti.Ha(opzione.nome) && !ammessa) {
            throw ErroreUso("--" + std::string(opzione.nome) + " vale solo per --modello " +
                            TipiCheLaPrendono(opzione.nome));
        }
    }
    std::vector<std::optional<double>> dati(tipo.coefficienti.size());
    for (const std::size_t d : tipo.dati) {
        const OpzioneModello* o = OpzioneDelDato(tipo, d);
        if (o != nullptr && argomenti.Ha(o->nome)) {
            dati[d] = ValoreOpzioneModello(argomenti.Valori(o->nome).front(), *o);
        }
    }
    auto esito = AdattaModello(*indice, punti, DatiAdattamento{pesi, dati});
    if (!esito.Riuscito()) {
        throw ErroreDati(esito.Motivo());
    }
    return std::move(esito.Valore());
}

} // namespace

std::vector<Opzione> OpzioniDatiAdattamento() {
    std::vector<Opzione> opzioni;
    for (const TipoModello& tipo : TIPI_MODELLO) {
        for (const std::size_t dato : tipo.dati) {
            const OpzioneModello* o = OpzioneDelDato(tipo, dato);
            if (o != nullptr && std::none_of(opzioni.begin(), opzioni.end(),
                                             [&](const Opzione& x) { return x.nome == o->nome; })) {
                opzioni.push_back({o->nome, 1});
            }
        }
    }
    return opzioni;
}

void EseguiAdatta(const Argomenti& argomenti, std::string& uscita, std::string& avvisi,
                  const Scarico& /*scarico*/) {
    if (!argomenti.valori.empty()) {
        throw ErroreUso("valore inatteso: " + argomenti.valori.front());
    }
    const FormaNumeri forma = FormaRichiesta(argomenti);
    const AdattamentoModello adattamento = Adatta(argomenti);
    VerificaAdattamento(adattamento);
    if (argomenti.Ha("salva")) {
        const std::string& file = argomenti.Valori("salva").front();
        if (!SalvaModello(file, adattamento.parametri)) {
            throw ErroreDati(file + ": salvataggio non riuscito");
        }
    }
    for (const std::string& avviso : adattamento.avvisi) {
        avvisi += "avviso: " + avviso + '\n';
    }
    ScriviAdattamento(uscita, adattamento, argomenti.Ha("json"), forma);
}
