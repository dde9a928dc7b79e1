#!/usr/bin/env bash
# The curve window as an engineer uses it: a maker's table opened, a model fitted to three
# of its rows, the table exported as CSV and compared with brevanto-ntc's, the model saved
# as a .ntc file and opened in the calculator window; pictures of the curve and of the
# error view are kept in the folder.
# Arguments: brevanto, cattura_schermo, folder for pictures, brevanto-curva, brevanto-ntc,
# the maker's table (CSV).
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"
curva=$4 ntc=$5 tabella=$6

mkdir -p "$cartella/runtime"
chmod 700 "$cartella/runtime"
esportato="$cartella/tabella.csv" parametri="$cartella/sonda.ntc"
rm -f "$esportato" "$parametri"
env XDG_RUNTIME_DIR="$cartella/runtime" LC_ALL=C.UTF-8 "$curva" &
pid=$!
finestra=$(cerca_finestra "Brevanto Curva")
[ -n "$finestra" ] || fallito "no Brevanto Curva window"
xdotool windowfocus --sync "$finestra"

apri_dialogo ctrl+t "Apri tabella del costruttore"
scegli "$tabella" "Apri tabella del costruttore"
xdotool windowfocus --sync "$finestra"
"$cattura" "$cartella/prima.png" "$finestra"
# A click gives the plot the keyboard, so no field's blinking caret keeps changing the picture.
xdotool mousemove --window "$finestra" 700 300 click 1
cattura_aggiornata "$cartella/curva.png" "$finestra" "$cartella/prima.png"
tasto ctrl+2
cattura_aggiornata "$cartella/curva_errore.png" "$finestra" "$cartella/curva.png"
rm -f "$cartella/prima.png"

# Three rows of the table, as a spreadsheet copies them.
righe=$(grep -E '^(0|25|100),' "$tabella" | tr ',' '\t')
offri_appunti "$righe"
tasto ctrl+4
# The program reads the clipboard while it handles the paste, before the keys after it.
tasto ctrl+shift+v
tasto F5
tasto ctrl+u
punti=$(grep -E '^(0|25|100),' "$tabella" | tr ',' ':' | tr '\n' ' ')
# shellcheck disable=SC2086 # one argument per point
adattato=$("$ntc" adatta --modello steinhart-hart --punti $punti)
coefficiente() { sed -n "s/^$1=//p" <<<"$adattato"; }

apri_dialogo ctrl+e "Esporta CSV"
scegli "$esportato" "Esporta CSV"
attendi "no exported table" test -f "$esportato"
atteso=$("$ntc" tabella --sh "$(coefficiente A)" "$(coefficiente B)" "$(coefficiente C)" \
    --da -40 --a 125 --passo 1 | md5sum)
verifica "exported CSV against brevanto-ntc tabella" "$atteso" "$(md5sum <"$esportato")"

apri_dialogo ctrl+s "Salva parametri"
scegli "$parametri" "Salva parametri"
attendi "no saved parameters" test -f "$parametri"
grep -q '^\[Steinhart-Hart\]' "$parametri" || fallito "no model section in the saved file"
termina_programma

# The calculator opens the file with the model's R25: 25 °C is its 10000.2 Ω.
avvia LC_ALL=C.UTF-8
apri_dialogo ctrl+F12 "Carica parametri NTC"
scegli "$parametri" "Carica parametri NTC"
digita 25
tasto F3
verifica_registro 10000.2 "°C > Ohm in the calculator with the saved model"
concluso
