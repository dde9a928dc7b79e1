#!/usr/bin/env bash
# The housekeeping keys: C (Delete), emptying the history (Shift+Delete and the Clear
# button), Info and Reset clicked with the mouse. None of them touches the register but C.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

avvia LC_ALL=C.UTF-8

digita 12
tasto Delete
verifica_registro 0 "register after Delete"
digita 34
tasto ctrl+Delete
verifica_registro 34 "register after Ctrl+Delete"
verifica_storico "Parametri NTC:" "* R0 = 0.0" "* B  = 0.0" ""

tasto shift+Delete
verifica_registro 34 "register after Shift+Delete"
verifica "first row of an emptied history" 34 "$(riga_storico 0)"

# Info on an empty list writes the summary with no separator before it.
clic Info
verifica_registro 34 "register after Info"
verifica "first row after Info" '\r\nParametri NTC:' "$(riga_storico 0)"
verifica_storico "Parametri NTC:" "* R0 = 0.0" "* B  = 0.0" ""

tasto Delete
digita 10000
clic R0
digita 3950
clic B
digita 7
clic Info
verifica_storico "-> B  = 3950.0" "" "Parametri NTC:" "* R0 = 10000.0" "* B  = 3950.0" ""
clic Reset
verifica_registro 7 "register after Reset"
verifica_storico "* B  = 3950.0" "" "Reset eseguito" "" "Parametri NTC:" "* R0 = 0.0" "* B  = 0.0" ""

clic Clear
verifica_registro 7 "register after Clear"
verifica "first row after Clear" 7 "$(riga_storico 0)"

# After a click the focus is on the list, and typed digits still reach the register.
clic 5
digita 6
verifica_registro 756 "digits after a click on the keypad"
concluso
