#!/usr/bin/env bash
# The About window: F1 shows it, Esc and Enter hide it, and while it is shown the main
# window takes no click, key or menu shortcut.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

readonly ABOUT='Informazioni su\.\.\.'

avvia LC_ALL=C.UTF-8

tasto F1
about=$(cerca_finestra "$ABOUT")
[ -n "$about" ] || fallito "no About window after F1"

# A click on Reset, beside the About window, and Ctrl+X (which would end the program) go
# to the disabled main window; they are dropped before the keys that follow are handled.
clic Reset
tasto ctrl+x
# With the keyboard given to the disabled main window (a window manager does that on a
# click on its title bar), a digit is dropped too.
digita 7
xdotool windowfocus --sync "$about"
xdotool key Escape
attendi_chiusura "$ABOUT"
verifica "history after a click on the disabled window" '\r\n' "$(riga_storico 4)"
kill -0 "$pid" 2>/dev/null || fallito "Ctrl+X ended the program while the About window was shown"

verifica_registro 0 "register after a digit typed into the disabled window"

# The main window has the keyboard back without being given it.
attendi_fuoco "$finestra"
xdotool type 8
verifica_registro 8 "a digit after the About window closed"

# Shown again, the same window; Enter hides it.
tasto F1
verifica "About window shown again" "$about" "$(cerca_finestra "$ABOUT")"
xdotool windowfocus --sync "$about"
xdotool key Return
attendi_chiusura "$ABOUT"
attendi_fuoco "$finestra"
xdotool type 9
verifica_registro 89 "a digit after Enter closed the About window"
concluso
