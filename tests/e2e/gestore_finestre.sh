#!/usr/bin/env bash
# Under a window manager (openbox): the About window keeps the keyboard while it is shown,
# also after a click on the disabled main window; a menu opened and closed with the mouse
# leaves the keyboard focus where it was, and so does a menu opened with Alt and left with
# Esc, Esc.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

readonly ABOUT='Informazioni su\.\.\.'

openbox --sm-disable >/dev/null 2>&1 &
gestore=$!
trap 'termina_programma; kill $gestore 2>/dev/null || true' EXIT
# Running once it has set up the root window and answers.
attendi "no window manager" gestore_avviato
attendi_gestore

avvia LC_ALL=C.UTF-8

tasto F1
about=$(cerca_finestra "$ABOUT")
[ -n "$about" ] || fallito "no About window after F1"
attendi_fuoco "$about"

# A click on the disabled main window, as a user makes to get back to it: the window
# manager keeps the modal About window in front, with the keyboard.
clic_controllo 120 2040 3840 375 # the register
clic_controllo 4200 600 3855 300 # the history
attendi_gestore
fuoco_su "$about" || fallito "a click on the main window took the keyboard from About"
xdotool key Escape
attendi_chiusura "$ABOUT"
attendi_fuoco "$finestra"

# Enter too, after a click on the main window's title bar.
tasto F1
attendi_fuoco "$about"
xdotool mousemove --window "$finestra" 100 -10 click 1
attendi_gestore
fuoco_su "$about" || fallito "a click on the title bar took the keyboard from About"
xdotool key Return
attendi_chiusura "$ABOUT"

# A keypad click gives the list the focus; a menu opened and closed with the mouse leaves
# it there, so Up picks the line above the newest.
clic 5
xdotool mousemove --window "$finestra" 70 $((barra_menu / 2)) click 1
attendi "no menu after a click on its title" menu_aperto
xdotool click 1
attendi "the menu stayed open after a second click" menu_chiuso
xdotool key Up
verifica "line picked with Up after a menu" '\r\n* B  = 0.0' "$(copia)"

# The focus on "Info" (the keys give the window itself the focus, and Tab goes round from
# there); Alt+M opens Modifica, Esc closes it, Esc leaves the menu bar and gives the focus
# back to "Info", so Space shows the parameters again.
tasto Delete
xdotool key --repeat 5 Tab
xdotool key alt+m
attendi "no menu after Alt+M" menu_aperto
xdotool key Escape
attendi "the menu stayed open after Esc" menu_chiuso
xdotool key Escape space
verifica "Info after Alt+M, Esc, Esc, Space" '\r\nParametri NTC:' "$(riga_storico 4)"
concluso
