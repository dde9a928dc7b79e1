#!/usr/bin/env bash
# Saving and opening a parameter set through the real file dialogs, a path typed into the
# name field as a user does.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

readonly SALVA="Salva parametri NTC con nome" APRI="Carica parametri NTC"

attendi_file() {
    attendi "no file $1" test -f "$1"
}

# Octal bytes, so that line ends are compared too.
byte() {
    od -An -c "$@"
}

avvia LC_ALL=C.UTF-8
salvato="$cartella/parametri salvati.ntc"
annullato="$cartella/annullato.ntc"
rm -f "$salvato" "$annullato"

digita 10000r3950b
apri_dialogo shift+F12 "$SALVA"
scegli "${salvato%.ntc}" "$SALVA"
attendi_file "$salvato"
verifica "bytes of the saved file" "$(printf '[NTC]\r\nR0=10000\r\nB=3950\r\n' | byte)" \
    "$(byte "$salvato")"

clic Reset

# Open starts from the path last saved: Enter alone loads it.
apri_dialogo ctrl+F12 "$APRI"
xdotool key Return
attendi_chiusura "$APRI"
verifica_storico "* B  = 0.0" "" "Parametri NTC:" "* R0 = 10000.0" "* B  = 3950.0" ""
digita 25
tasto F3
verifica_registro 10000.0 "°C > Ohm with the loaded parameters"

# A cancelled Save writes nothing.
apri_dialogo shift+F12 "$SALVA"
xdotool key ctrl+a
xdotool type --delay 10 "$annullato"
xdotool key Escape
attendi_chiusura "$SALVA"

verifica_storico "25 [°C] = 10000.0 [Ohm]"
# Only now, with the program past the dialog and answering keys, could a wrong save have
# landed.
verifica "file after a cancelled Save" "" "$(ls "$annullato" 2>/dev/null || true)"
concluso
