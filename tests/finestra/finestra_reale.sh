#!/usr/bin/env bash
# Starts the built program in a real X window, as a user would, and checks it from
# outside: window size and size hints, a screenshot, and the size at a device pixel ratio
# of 2, with a conversion chain in the history (docs/screenshot.png). What a user does in the window is the end-to-end suite's (tests/e2e).
# Runs on an X server of its own (tests/esegui_con_xvfb.sh). Arguments: brevanto, cattura_schermo, folder for pictures.
set -euo pipefail
brevanto=$1 cattura=$2 cartella=$3
mkdir -p "$cartella"

# A region with "." as the decimal separator, whatever the machine's.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
"$brevanto" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

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
# A conversion chain, for the picture: its longest line must show whole in the list.
xdotool windowfocus --sync "$finestra"
xdotool type --delay 15 10000r3950b100
xdotool key F3 F2 F4
sleep 0.3
"$cattura" "$cartella/screenshot.png" "$finestra" || fallito "no screenshot"
echo "window $larghezza x $altezza, fixed; screenshot in $cartella/screenshot.png"

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
echo "window twice as large at ratio 2"
