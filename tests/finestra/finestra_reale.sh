#!/usr/bin/env bash
# Starts the built program in a real X window, as a user would, and checks it from
# outside: window size and size hints, a screenshot, and the size at a device pixel ratio
# of 2, with a conversion chain in the history (docs/screenshot.png). What a user does in
# the window is the end-to-end suite's (tests/e2e), whose functions this uses.
# Runs on an X server of its own (tests/esegui_con_xvfb.sh). Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=../e2e/libreria.sh
source "$(dirname "$0")/../e2e/libreria.sh"

dimensione() {
    xwininfo -id "$finestra" | awk -v voce="$1:" '$1 == voce {print $2}'
}

larga() {
    [ "$(dimensione Width)" = "$1" ]
}

# A region with "." as the decimal separator, whatever the machine's.
avvia LC_ALL=C.UTF-8 LANG=C.UTF-8

# The client area below the menu bar is 546 x 361; the window cannot be resized.
attendi "window width $(dimensione Width), not 546" larga 546
larghezza=$(dimensione Width)
altezza=$(dimensione Height)
[ "$altezza" -gt 361 ] && [ "$altezza" -lt 400 ] || fallito "height $altezza: no room for the menu bar"
suggerimenti=$(xprop -id "$finestra" WM_NORMAL_HINTS)
minima=$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$suggerimenti")
massima=$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$suggerimenti")
[ -n "$minima" ] && [ "$minima" = "$massima" ] || fallito "size hints not fixed: $suggerimenti"
[ "$minima" = "546 by $altezza" ] || fallito "fixed size $minima, window $larghezza x $altezza"

# A conversion chain, for the picture: its longest line must show whole in the list. Copy
# is handled after the keys before it, and the picture is taken once the window shows them.
"$cattura" "$cartella/prima.png" "$finestra"
digita 10000r3950b100
tasto F3 F2 F4
copia >/dev/null
cattura_aggiornata "$cartella/screenshot.png" "$finestra" "$cartella/prima.png"
rm -f "$cartella/prima.png"
echo "window $larghezza x $altezza, fixed; screenshot in $cartella/screenshot.png"
termina_programma

# Twice as large at a device pixel ratio of 2. The window is painted as it is first shown,
# before the Copy that follows is handled.
avvia QT_SCALE_FACTOR=2 LC_ALL=C.UTF-8 LANG=C.UTF-8
attendi "window width $(dimensione Width) at ratio 2, not 1092" larga 1092
copia >/dev/null
"$cattura" "$cartella/screenshot@2x.png" "$finestra" || fallito "no screenshot at ratio 2"
echo "window twice as large at ratio 2"
