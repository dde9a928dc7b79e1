#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_ntc.h"
#include "modelli/parametri_modello.h"
#include "modelli/punto_rt.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The registry of the kinds of model: what the command's options, the .ntc sections, the
// curve window's fields and its fit panel are made from. A kind is known by its index in
// ParametriModello.

// One kind as data, whatever its parameters' type.
struct TipoModello {
    std::string_view nome;
    std::string_view titolo;
    std::string_view formula;
    std::string_view sezione;
    std::span<const CoefficienteModello> coefficienti;
    std::span<const OpzioneModello> opzioni;
    std::span<const std::size_t> dati;
    std::size_t puntiMinimi = 0;
};

inline constexpr std::size_t NUMERO_TIPI = std::variant_size_v<ParametriModello>;

namespace dettaglio {
template <typename P> constexpr TipoModello Vista() {
    using D = DescrittoreModello<P>;
    static_assert(D::COEFFICIENTI.size() == D::MEMBRI.size());
    return {D::NOME,         D::TITOLO,  D::FORMULA, D::SEZIONE,
            D::COEFFICIENTI, D::OPZIONI, D::DATI,    D::PUNTI_MINIMI};
}
template <std::size_t... I> constexpr auto Viste(std::index_sequence<I...> /*indici*/) {
    return std::array{Vista<std::variant_alternative_t<I, ParametriModello>>()...};
}
} // namespace dettaglio

// Every kind, in the variant's order.
inline constexpr std::array<TipoModello, NUMERO_TIPI> TIPI_MODELLO =
    dettaglio::Viste(std::make_index_sequence<NUMERO_TIPI>{});

// The kind the command or a file names ("steinhart-hart"); empty if none.
std::optional<std::size_t> TipoDaNome(std::string_view nome);

inline const TipoModello& TipoDi(const ParametriModello& parametri) {
    return TIPI_MODELLO[parametri.index()];
}

// The coefficients in the kind's order, and back; valori holds one per coefficient.
std::vector<double> ValoriCoefficienti(const ParametriModello& parametri);
ParametriModello ParametriDaValori(std::size_t tipo, std::span<const double> valori);

// Why the parameters make no model (a coefficient that is not finite, R0 ≤ 0, …); empty
// when they make one.
std::string VerificaParametri(const ParametriModello& parametri);

// The model the parameters describe.
std::unique_ptr<ModelloNTC> CreaModello(const ParametriModello& parametri);

using AdattamentoModello = Adattamento<ParametriModello>;

// The kind's fit through the points: exact where the kind has a closed form for as many
// points as it has coefficients to fit, least squares otherwise.
Esito<AdattamentoModello> AdattaModello(std::size_t tipo, std::span<const PuntoRT> punti,
                                        const DatiAdattamento& dati);
