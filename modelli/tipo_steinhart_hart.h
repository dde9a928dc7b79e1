#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_steinhart_hart.h"
#include "modelli/punto_rt.h"
#include "modelli/tipo_modello.h"

#include <string>

template <> struct DescrittoreModello<ParametriSteinhartHart> {
    static constexpr std::string_view NOME = "steinhart-hart";
    static constexpr std::string_view TITOLO = "Steinhart–Hart";
    static constexpr std::string_view FORMULA = "1/T = A + B ln R + C (ln R)³";
    static constexpr std::string_view SEZIONE = "Steinhart-Hart";
    static constexpr std::array COEFFICIENTI{
        CoefficienteModello{"A", "A", "Coefficiente A"},
        CoefficienteModello{"B", "B", "Coefficiente B"},
        CoefficienteModello{"C", "C", "Coefficiente C"},
    };
    static constexpr std::array MEMBRI{&ParametriSteinhartHart::A, &ParametriSteinhartHart::B,
                                       &ParametriSteinhartHart::C};
    static constexpr std::array OPZIONI{OpzioneModello{"sh", 0, 3, "A B C", {}}};
    static constexpr std::array<std::size_t, 0> DATI{};
    static constexpr std::size_t PUNTI_MINIMI = 3;
    using Modello = ModelloSteinhartHart;

    static std::string Verifica(const ParametriSteinhartHart& p);
    // Exactly through three unweighted points, else by least squares.
    static Esito<Adattamento<ParametriSteinhartHart>> Adatta(std::span<const PuntoRT> punti,
                                                             const DatiAdattamento& dati);
};
