#!/usr/bin/env bash
# What the program refuses: a parameter that is not positive, a temperature below
# absolute zero, a register that reads as no number.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

avvia LC_ALL=C.UTF-8

digita 0r
verifica_registro 0 "register after refusing R0 = 0"
verifica_storico "R0 > 0 !" "-> R0 = 0.0"

# A refusal clears a value stored before.
digita 10000r3950b5-r
verifica_storico "-> B  = 3950.0" "R0 > 0 !" "-> R0 = 0.0"
digita 25
tasto F3
verifica_registro Errore "°C > Ohm after R0 was refused"
verifica_storico "R0 = 0 !"

digita 300-
tasto F4
verifica_registro Errore "°C > °F below absolute zero"
digita b
verifica_registro 0 "register after storing Errore as B"
verifica_storico "-300 [°C] = Errore" "B > 0 !" "-> B  = 0.0"

# Below absolute zero there is no resistance either; a failed conversion starts the
# next one from 0.
digita 10000r3950b300-
tasto F3
verifica_registro Errore "°C > Ohm below absolute zero"
digita 0
tasto F2
verifica_registro Errore "Ohm > °C of 0"
tasto F2
verifica_registro Errore "Ohm > °C of Errore"
verifica_storico "-300 [°C] = Errore" "0 [Ohm] = Errore" "0 [Ohm] = Errore"

# A text that reads as no number is a failed conversion, not an input of 0.
digita .
verifica_registro Errore. "decimal point after Errore"
tasto F4
verifica_registro Errore "°C > °F of Errore."
digita 5-
tasto BackSpace
verifica_registro - "Back on -5"
tasto F4
verifica_registro Errore "°C > °F of -"
verifica_storico "Errore. [°C] = Errore" "- [°C] = Errore"
concluso
