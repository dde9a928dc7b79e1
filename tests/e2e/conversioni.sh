#!/usr/bin/env bash
# The four conversions with the parameters not set, with R0 alone, and with both; the
# results near and below absolute zero. A resistance needs both parameters: without them
# the formula would give a made-up value, so the missing one is named instead.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

avvia LC_ALL=C.UTF-8

# Nothing set: the two unit conversions work, the sensor's do not.
digita 25
tasto F3
verifica_registro Errore "°C > Ohm without parameters"
digita 1000
tasto F2
verifica_registro Errore "Ohm > °C without parameters"
verifica_storico "R0 = 0 !" "R0 = 0 !"
digita 25
tasto F4
verifica_registro 77.0 "°C > °F after Errore"
tasto Delete
digita 25
clic K
verifica_registro 298.15 "°C > K by its button"
verifica_storico "25 [°C] = 77.0 [°F]" "25 [°C] = 298.15 [K]"

# R0 alone: both ask for B.
tasto Delete
digita 10000r1000
tasto F2
verifica_registro Errore "Ohm > °C without B"
digita 25
tasto F3
verifica_registro Errore "°C > Ohm without B"
verifica_storico "-> R0 = 10000.0" "B = 0 !" "B = 0 !"

# Both set.
digita 3950b10000
tasto F2
verifica_registro 25.0 "Ohm > °C"
tasto Delete
digita 25.1
clic K
verifica_registro 298.25000038147 "°C > K of a value that single precision rounds"
tasto Delete
digita 273.15-
clic K
verifica_registro 0.00000610352 "°C > K of -273.15"
tasto Delete
digita 273.15-
tasto F3
verifica_registro Errore "°C > Ohm of -273.15"
verifica_storico "10000 [Ohm] = 25.0 [°C]" "25.1 [°C] = 298.25000038147 [K]" \
    "-273.15 [°C] = 0.00000610352 [K]" "-273.15 [°C] = Errore"
concluso
