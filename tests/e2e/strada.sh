#!/usr/bin/env bash
# One conversion the way a user goes through it on the keys: R0 and B stored, a
# temperature converted into ohms and back, then into degrees Fahrenheit.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

avvia LC_ALL=C.UTF-8
verifica_registro 0 "register at start"
verifica_storico "Parametri NTC:" "* R0 = 0.0" "* B  = 0.0" ""

digita 10000
verifica_registro 10000 "register after the digits"
digita r
verifica_registro 0 "register after storing R0"
digita 3950b
verifica_registro 0 "register after storing B"
verifica_storico "-> R0 = 10000.0" "-> B  = 3950.0"

digita 25
tasto F3
verifica_registro 10000.0 "register after F3"
tasto F2
verifica_registro 25.0 "register after F2"
tasto F4
verifica_registro 77.0 "register after F4"
verifica_storico "25 [°C] = 10000.0 [Ohm]" "10000.0 [Ohm] = 25.0 [°C]" "25.0 [°C] = 77.0 [°F]"

# A result is the start of the next number.
digita 5
verifica_registro 77.05 "a digit after a result"
concluso
