#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_esteso_diretto.h"
#include "modelli/punto_rt.h"
#include "modelli/tipo_modello.h"

#include <string>

template <> struct DescrittoreModello<ParametriEstesoDiretto> {
    static constexpr std::string_view NOME = "esteso-diretto";
    static constexpr std::string_view TITOLO = "Esteso diretto (A…D)";
    static constexpr std::string_view FORMULA = "R/Rrif = exp(A + B/T + C/T² + D/T³)";
    static constexpr std::string_view SEZIONE = "Esteso-diretto";
    static constexpr std::array COEFFICIENTI{
        CoefficienteModello{"A", "A", "Coefficiente A della forma diretta"},
        CoefficienteModello{"B", "B", "Coefficiente B della forma diretta"},
        CoefficienteModello{"C", "C", "Coefficiente C della forma diretta"},
        CoefficienteModello{"D", "D", "Coefficiente D della forma diretta"},
        CoefficienteModello{"Rrif", "Rrif (Ω)", "Rrif della forma diretta in ohm"},
    };
    static constexpr std::array MEMBRI{&ParametriEstesoDiretto::A, &ParametriEstesoDiretto::B,
                                       &ParametriEstesoDiretto::C, &ParametriEstesoDiretto::D,
                                       &ParametriEstesoDiretto::Rrif};
    static constexpr std::array OPZIONI{
        OpzioneModello{"esteso-diretto", 0, 4, "A B C D", {}},
        OpzioneModello{"rif", 4, 1, "OHM", {}, true},
    };
    static constexpr std::array<std::size_t, 1> DATI{4};
    static constexpr std::size_t PUNTI_MINIMI = 4;
    using Modello = ModelloEstesoDiretto;

    static std::string Verifica(const ParametriEstesoDiretto& p);
    // Least squares; Rrif given, or the resistance of the point nearest 25 °C.
    static Esito<Adattamento<ParametriEstesoDiretto>> Adatta(std::span<const PuntoRT> punti,
                                                             const DatiAdattamento& dati);
};
