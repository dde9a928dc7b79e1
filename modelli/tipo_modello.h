#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

// What describes one kind of model, for the registry (registro_modelli.h).

// One coefficient of a kind of model.
struct CoefficienteModello {
    std::string_view chiave;      // its key in the .ntc section, in a fit's report and in JSON
    std::string_view etichetta;   // the curve window's label, with the unit
    std::string_view descrizione; // what a screen reader says of its field
};

// A command-line option that sets coefficients: --nome, then one value per coefficient.
struct OpzioneModello {
    std::string_view nome;
    std::size_t primo = 0; // the first coefficient it sets
    std::size_t quanti = 1;
    std::string_view segnaposto; // its values in --help: "OHM", "A B C"
    // The value when the option is not given; without one the option is required.
    std::optional<double> predefinito;
    // A resistance, which the command also reads in the engineers' forms (10k, 4k7, 1M).
    bool ohm = false;
};

// What a fit takes beside the points: one weight per point (empty: all 1), and the
// coefficients the user gave, by their index (a Beta's T0, the extended forms' Rrif).
struct DatiAdattamento {
    std::span<const double> pesi;
    std::span<const std::optional<double>> dati;

    std::optional<double> Dato(std::size_t indice) const {
        return indice < dati.size() ? dati[indice] : std::nullopt;
    }
};

// Each kind of model specialises this in its own header, beside its class, with:
// - NOME: the command's and the file's name of the kind ("beta");
// - TITOLO: what the window calls it; FORMULA: the relation, T in kelvin;
// - SEZIONE: its section in a .ntc file;
// - COEFFICIENTI and MEMBRI: the coefficients, and the parameters' fields in that order;
// - OPZIONI: the command-line options that name the model;
// - DATI: the coefficients a fit takes as given rather than fitting them;
// - PUNTI_MINIMI: the fewest points a fit takes;
// - Modello: its class;
// - Verifica(p): why the parameters make no model, empty when they make one;
// - Adatta(punti, dati): the fit.
template <typename Parametri> struct DescrittoreModello;
