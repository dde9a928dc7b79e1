#include "modelli/registro_modelli.h"

#include <cmath>
#include <utility>

namespace {

template <typename P> using Descrittore = DescrittoreModello<P>;

template <typename P> ParametriModello Componi(std::span<const double> valori) {
    P parametri{};
    for (std::size_t i = 0; i < Descrittore<P>::MEMBRI.size() && i < valori.size(); ++i) {
        parametri.*Descrittore<P>::MEMBRI[i] = valori[i];
    }
    return parametri;
}

template <typename P>
Esito<AdattamentoModello> AdattaTipo(std::span<const PuntoRT> punti, const DatiAdattamento& dati) {
    auto esito = Descrittore<P>::Adatta(punti, dati);
    if (!esito.Riuscito()) {
        return Esito<AdattamentoModello>::Errore(esito.Motivo());
    }
    auto& a = esito.Valore();
    return AdattamentoModello{a.parametri, std::move(a.scarti), std::move(a.avvisi), a.betaEstremi};
}

template <std::size_t... I> constexpr auto Compositori(std::index_sequence<I...> /*indici*/) {
    return std::array{&Componi<std::variant_alternative_t<I, ParametriModello>>...};
}

template <std::size_t... I> constexpr auto Adattatori(std::index_sequence<I...> /*indici*/) {
    return std::array{&AdattaTipo<std::variant_alternative_t<I, ParametriModello>>...};
}

constexpr auto COMPOSITORI = Compositori(std::make_index_sequence<NUMERO_TIPI>{});
constexpr auto ADATTATORI = Adattatori(std::make_index_sequence<NUMERO_TIPI>{});

} // namespace

std::optional<std::size_t> TipoDaNome(std::string_view nome) {
    for (std::size_t i = 0; i < TIPI_MODELLO.size(); ++i) {
        if (TIPI_MODELLO[i].nome == nome) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<double> ValoriCoefficienti(const ParametriModello& parametri) {
    return std::visit(
        [](const auto& p) {
            using P = std::decay_t<decltype(p)>;
            std::vector<double> valori;
            valori.reserve(Descrittore<P>::MEMBRI.size());
            for (const auto membro : Descrittore<P>::MEMBRI) {
                valori.push_back(p.*membro);
            }
            return valori;
        },
        parametri);
}

ParametriModello ParametriDaValori(std::size_t tipo, std::span<const double> valori) {
    return COMPOSITORI.at(tipo)(valori);
}

std::string VerificaParametri(const ParametriModello& parametri) {
    const TipoModello& tipo = TipoDi(parametri);
    const std::vector<double> valori = ValoriCoefficienti(parametri);
    for (std::size_t i = 0; i < valori.size(); ++i) {
        if (!std::isfinite(valori[i])) {
            return std::string(tipo.coefficienti[i].chiave) + " non è un numero finito";
        }
    }
    return std::visit(
        [](const auto& p) { return Descrittore<std::decay_t<decltype(p)>>::Verifica(p); },
        parametri);
}

std::unique_ptr<ModelloNTC> CreaModello(const ParametriModello& parametri) {
    return std::visit(
        [](const auto& p) -> std::unique_ptr<ModelloNTC> {
            using P = std::decay_t<decltype(p)>;
            return std::make_unique<typename Descrittore<P>::Modello>(p);
        },
        parametri);
}

Esito<AdattamentoModello> AdattaModello(std::size_t tipo, std::span<const PuntoRT> punti,
                                        const DatiAdattamento& dati) {
    return ADATTATORI.at(tipo)(punti, dati);
}
