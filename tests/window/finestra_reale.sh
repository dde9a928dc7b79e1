#!/usr/bin/env bash
# Starts the built program in a real X window, as a user would, and checks it from
# outside: window size and size hints, a screenshot, a conversion typed on the keys, the
# system clipboard, the About window, and the size at a device pixel ratio of 2.
# Runs inside xvfb-run. Arguments: brevanto, cattura_schermo, folder for pictures.
set -euo pipefail
brevanto=$1 cattura=$2 cartella=$3
mkdir -p "$cartella"

# A region with "." as the decimal separator, whatever the machine's.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
"$brevanto" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# Opens a file dialog with its shortcut and gives it the focus; prints its window id.
apri_dialogo() {
    xdotool windowfocus --sync "$finestra"
    xdotool key "$1"
    local dialogo
    dialogo=$(xdotool search --all --sync --onlyvisible --pid "$pid" --name "^$2\$" | head -n 1)
    [ -n "$dialogo" ] || fallito "no dialog '$2'"
    xdotool windowfocus --sync "$dialogo"
    sleep 0.3
}

fallito() {
    echo "FAILED: $*" >&2
    "$cattura" "$cartella/fallimento.png" || true
    exit 1
}

finestra=$(xdotool search --all --sync --onlyvisible --pid "$pid" --name '^Brevanto$' | head -n 1)
[ -n "$finestra" ] || fallito "no Brevanto window"
sleep 0.5

# The client area below the menu bar is 546 x 361; the window cannot be resized.
larghezza=$(xwininfo -id "$finestra" | awk '/Width:/ {print $2}')
altezza=$(xwininfo -id "$finestra" | awk '/Height:/ {print $2}')
[ "$larghezza" -eq 546 ] || fallito "width $larghezza, not 546"
[ "$altezza" -gt 361 ] && [ "$altezza" -lt 400 ] || fallito "height $altezza: no room for the menu bar"
suggerimenti=$(xprop -id "$finestra" WM_NORMAL_HINTS)
minima=$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$suggerimenti")
massima=$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$suggerimenti")
[ -n "$minima" ] && [ "$minima" = "$massima" ] || fallito "size hints not fixed: $suggerimenti"
[ "$minima" = "546 by $altezza" ] || fallito "fixed size $minima, window $larghezza x $altezza"
"$cattura" "$cartella/screenshot.png" "$finestra" || fallito "no screenshot"
echo "window $larghezza x $altezza, fixed; screenshot in $cartella/screenshot.png"

# The road of one conversion, on the keyboard; the result read back through Copy.
xdotool windowfocus --sync "$finestra"
xdotool type --delay 30 "10000r3950b25"
xdotool key F3
sleep 0.3
xdotool key ctrl+c
sleep 0.3
copiato=$(xclip -o -selection clipboard)
[ "$copiato" = "10000.0" ] || fallito "register after F3: '$copiato', not 10000.0"

# Paste takes a number from the system clipboard.
printf '%s' "-0.25" | xclip -i -selection clipboard
xdotool key ctrl+v
sleep 0.3
xdotool key ctrl+c
sleep 0.3
copiato=$(xclip -o -selection clipboard)
[ "$copiato" = "-0.25" ] || fallito "register after paste: '$copiato', not -0.25"

# F1 shows the About window, Esc hides it again.
xdotool key F1
about=$(xdotool search --all --sync --onlyvisible --pid "$pid" --name '^Informazioni su\.\.\.$' | head -n 1)
[ -n "$about" ] || fallito "no About window after F1"
"$cattura" "$cartella/about.png" "$about" || true
xdotool windowfocus --sync "$about"
xdotool key Escape
sleep 0.5
if xdotool search --all --onlyvisible --pid "$pid" --name '^Informazioni su' >/dev/null; then
    fallito "the About window is still shown after Esc"
fi

# Save through the real dialog: a full path typed into its name field, then Enter.
salvato="$cartella/prova salvataggio.ntc"
rm -f "$salvato"
apri_dialogo shift+F12 "Salva parametri NTC con nome"
xdotool key ctrl+a
xdotool type --delay 10 "${salvato%.ntc}"
xdotool key Return
sleep 0.5
[ -f "$salvato" ] || fallito "the Save dialog wrote no file"
atteso=$(printf '[NTC]\r\nR0=10000\r\nB=3950\r\n' | od -c)
[ "$(od -c <"$salvato")" = "$atteso" ] || fallito "saved bytes: $(od -c <"$salvato")"

# Open the file again: the summary shows the file's parameters.
apri_dialogo ctrl+F12 "Carica parametri NTC"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$finestra"
# Pick the summary's R0 line in the list (a click below the lines, then the keys), and copy it.
xdotool mousemove --window "$finestra" 400 330 click 1
xdotool key End Up Up ctrl+c
sleep 0.3
copiato=$(xclip -o -selection clipboard | tr -d '\r')
[ "$copiato" = "$(printf '\n* R0 = 10000.0')" ] || fallito "summary line after Open: '$copiato'"

kill $pid
wait $pid 2>/dev/null || true

# Twice as large at a device pixel ratio of 2.
QT_SCALE_FACTOR=2 "$brevanto" &
pid=$!
finestra=$(xdotool search --all --sync --onlyvisible --pid "$pid" --name '^Brevanto$' | head -n 1)
sleep 0.5
larghezza=$(xwininfo -id "$finestra" | awk '/Width:/ {print $2}')
[ "$larghezza" -eq 1092 ] || fallito "width $larghezza at ratio 2, not 1092"
"$cattura" "$cartella/screenshot@2x.png" "$finestra" || fallito "no screenshot at ratio 2"
echo "conversion, clipboard, About window, save and open, ratio 2 checked"
