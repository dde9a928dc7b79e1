#pragma once

#include "modelli/adattamento.h"
#include "modelli/esito.h"
#include "modelli/modello_esteso.h"
#include "modelli/punto_rt.h"
#include "modelli/tipo_modello.h"

#include <string>

template <> struct DescrittoreModello<ParametriEsteso> {
    static constexpr std::string_view NOME = "esteso";
    static constexpr std::string_view TITOLO = "Esteso (A1…D1)";
    static constexpr std::string_view FORMULA = "1/T = A1 + B1 x + C1 x² + D1 x³, x = ln(R/Rrif)";
    static constexpr std::string_view SEZIONE = "Esteso";
    static constexpr std::array COEFFICIENTI{
        CoefficienteModello{"A1", "A1", "Coefficiente A1"},
        CoefficienteModello{"B1", "B1", "Coefficiente B1"},
        CoefficienteModello{"C1", "C1", "Coefficiente C1"},
        CoefficienteModello{"D1", "D1", "Coefficiente D1"},
        CoefficienteModello{"Rrif", "Rrif (Ω)", "Rrif in ohm"},
    };
    static constexpr std::array MEMBRI{&ParametriEsteso::A1, &ParametriEsteso::B1,
                                       &ParametriEsteso::C1, &ParametriEsteso::D1,
                                       &ParametriEsteso::Rrif};
    static constexpr std::array OPZIONI{
        OpzioneModello{"esteso", 0, 4, "A1 B1 C1 D1", {}},
        OpzioneModello{"rif", 4, 1, "OHM", {}, true},
    };
    static constexpr std::array<std::size_t, 1> DATI{4};
    static constexpr std::size_t PUNTI_MINIMI = 4;
    using Modello = ModelloEsteso;

    static std::string Verifica(const ParametriEsteso& p);
    // Least squares; Rrif given, or the resistance of the point nearest 25 °C.
    static Esito<Adattamento<ParametriEsteso>> Adatta(std::span<const PuntoRT> punti,
                                                      const DatiAdattamento& dati);
};
