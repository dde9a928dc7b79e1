#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_beta.h"
#include "modelli/punto_rt.h"
#include "modelli/tipo_modello.h"

#include <string>

template <> struct DescrittoreModello<ParametriBeta> {
    static constexpr std::string_view NOME = "beta";
    static constexpr std::string_view TITOLO = "Beta";
    static constexpr std::string_view FORMULA = "R = R0 · exp(B · (1/T − 1/T0))";
    static constexpr std::string_view SEZIONE = "Beta";
    static constexpr std::array COEFFICIENTI{
        CoefficienteModello{"R0", "R0 (Ω)", "R0 in ohm"},
        CoefficienteModello{"B", "B (K)", "B in kelvin"},
        CoefficienteModello{"T0", "T0 (°C)", "T0 in gradi Celsius"},
    };
    static constexpr std::array MEMBRI{&ParametriBeta::R0, &ParametriBeta::B, &ParametriBeta::T0};
    static constexpr std::array OPZIONI{
        OpzioneModello{"r0", 0, 1, "OHM", {}, true},
        OpzioneModello{"beta", 1, 1, "K", {}},
        OpzioneModello{"t0", 2, 1, "C", 25},
    };
    // R0 given pins the curve at T0 and leaves B alone to fit.
    static constexpr std::array<std::size_t, 2> DATI{0, 2};
    static constexpr std::size_t PUNTI_MINIMI = 2;
    using Modello = ModelloBeta;

    static std::string Verifica(const ParametriBeta& p);
    // Exactly through two unweighted points, else by least squares; T0 25 °C unless given;
    // with R0 given, B alone by least squares.
    static Esito<Adattamento<ParametriBeta>> Adatta(std::span<const PuntoRT> punti,
                                                    const DatiAdattamento& dati);
};
