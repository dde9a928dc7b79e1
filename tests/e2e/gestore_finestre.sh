#!/usr/bin/env bash
# Under a window manager (openbox): the About window keeps the keyboard while it is shown,
# also after a click on the disabled main window, and a menu opened and closed with the
# mouse leaves the keyboard focus where it was.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

readonly ABOUT='Informazioni su\.\.\.'

openbox --sm-disable >/dev/null 2>&1 &
gestore=$!
trap 'termina_programma; kill $gestore 2>/dev/null || true' EXIT
sleep 0.5

avvia LC_ALL=C.UTF-8

tasto F1
about=$(cerca_finestra "$ABOUT")
[ -n "$about" ] || fallito "no About window after F1"
attendi_fuoco "$about"

# A click on the disabled main window, as a user makes to get back to it: the window
# manager keeps the modal About window in front, with the keyboard.
clic_controllo 120 2040 3840 375 # the register
clic_controllo 4200 600 3855 300 # the history
sleep 0.3
attendi_fuoco "$about"
xdotool key Escape
attendi_chiusura "$ABOUT"
attendi_fuoco "$finestra"

# Enter too, after a click on the main window's title bar.
tasto F1
attendi_fuoco "$about"
xdotool mousemove --window "$finestra" 100 -10 click 1
sleep 0.3
xdotool key Return
attendi_chiusura "$ABOUT"

# A keypad click gives the list the focus; a menu opened and closed with the mouse leaves
# it there, so Up picks the line above the newest.
clic 5
# The first click opens the menu, the second closes it.
for _ in 1 2; do
    xdotool mousemove --window "$finestra" 70 $((barra_menu / 2)) click 1
    sleep 0.3
done
xdotool key Up
verifica "line picked with Up after a menu" '\r\n* B  = 0.0' "$(copia)"
concluso
