#include "calcoli/tabella.h"

#include "calcoli/righe_tabella.h"

#include <vector>

namespace {

template <typename F>
concept ARighe = requires(std::string& uscita, const ContestoTabella& contesto,
                          const RigaTabella& riga) {
    F::ScriviRiga(uscita, contesto, riga, true);
};

constexpr size_t BLOCCO = size_t{64} * 1024;

template <ARighe F>
std::optional<ErroreTabella> ScriviARighe(std::string& uscita, const ModelloNTC& modello,
                                          const Griglia& griglia, const ContestoTabella& contesto,
                                          const Scarico& scarico) {
    // Checked before any row is written; computing a row twice costs far less than holding
    // all of them.
    for (long i = 0; i < griglia.righe; ++i) {
        const auto riga = CalcolaRiga(modello, griglia.Temperatura(i), contesto.partitore);
        if (!riga.Riuscito()) {
            return ErroreTabella{ErroreTabella::Tipo::Dati, riga.Motivo()};
        }
    }
    F::ScriviTesta(uscita, contesto, static_cast<size_t>(griglia.righe));
    for (long i = 0; i < griglia.righe; ++i) {
        F::ScriviRiga(uscita, contesto,
                      CalcolaRiga(modello, griglia.Temperatura(i), contesto.partitore).Valore(),
                      i == 0);
        if (scarico && uscita.size() >= BLOCCO) {
            scarico(uscita);
        }
    }
    F::ScriviCoda(uscita, contesto, griglia.righe == 0);
    return std::nullopt;
}

template <typename F>
std::optional<ErroreTabella> ScriviIntera(std::string& uscita, const ModelloNTC& modello,
                                          const Griglia& griglia, const ContestoTabella& contesto) {
    const auto righe = CalcolaRighe(modello, griglia, contesto.partitore);
    if (!righe.Riuscito()) {
        return ErroreTabella{ErroreTabella::Tipo::Dati, righe.Motivo()};
    }
    std::string testo;
    std::string motivo = F::Scrivi(testo, contesto, righe.Valore(), modello);
    if (!motivo.empty()) {
        return ErroreTabella{ErroreTabella::Tipo::Formato, std::move(motivo)};
    }
    uscita += testo;
    return std::nullopt;
}

} // namespace

std::optional<ErroreTabella> ScriviTabella(std::string& uscita, const FormatoTabella& formato,
                                           const ModelloNTC& modello, const Griglia& griglia,
                                           const ContestoTabella& contesto,
                                           const Scarico& scarico) {
    return std::visit(
        [&](const auto& f) {
            using F = std::decay_t<decltype(f)>;
            if constexpr (ARighe<F>) {
                return ScriviARighe<F>(uscita, modello, griglia, contesto, scarico);
            } else {
                return ScriviIntera<F>(uscita, modello, griglia, contesto);
            }
        },
        formato);
}
