# shellcheck shell=bash
# Functions shared by the end-to-end scripts: start the built program on the X server of
# the test, drive it with xdotool as a user does, and read what it shows through its Copy
# command and the system clipboard. Sourced by each script with the script's arguments:
# the program, the screenshot helper and the folder for pictures.

set -euo pipefail
brevanto=$1 cattura=$2 cartella=$3

# One pixel is 15 twips at 96 dots per inch; the layout table counts in twips.
readonly TWIP_PER_PIXEL=15
# Seconds that any wait for the program may last before the check counts as failed: only a
# failure waits this long, and a busy machine can take many seconds to start a program.
readonly ATTESA_MASSIMA=30

nome_prova=$(basename "$0" .sh)
mkdir -p "$cartella"
pid=""
finestra=""
barra_menu=0
controlli=0
offerente=""

termina_programma() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=""
    fi
    [ -z "$offerente" ] || kill "$offerente" 2>/dev/null || true
}
trap termina_programma EXIT

# Keeps a picture of the whole screen beside the failure, says where, and ends the test.
fallito() {
    local immagine="$cartella/$nome_prova-fallimento.png"
    echo "FAILED ($nome_prova): $*" >&2
    if "$cattura" "$immagine"; then
        echo "screenshot: $immagine" >&2
    fi
    exit 1
}

# Counts a check; a failing one ends the test.
verifica() {
    local descrizione=$1 atteso=$2 visto=$3
    controlli=$((controlli + 1))
    [ "$visto" = "$atteso" ] || fallito "$descrizione: expected '$atteso', seen '$visto'"
}

concluso() {
    echo "$nome_prova: $controlli checks passed"
}

# Prints the id of the first visible window of the program named exactly $1, waiting for
# it; prints nothing when none shows up in time.
cerca_finestra() {
    local scadenza=$((SECONDS + ATTESA_MASSIMA)) trovata=""
    while [ -z "$trovata" ] && [ $SECONDS -lt $scadenza ]; do
        trovata=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null |
            head -n 1 || true)
        [ -n "$trovata" ] || sleep 0.05
    done
    echo "$trovata"
}

# Runs the command until it succeeds; the test fails with the message $1 if it has not
# within the deadline.
attendi() {
    local messaggio=$1 scadenza=$((SECONDS + ATTESA_MASSIMA))
    shift
    until "$@"; do
        [ $SECONDS -lt $scadenza ] || fallito "$messaggio"
        sleep 0.02
    done
}

fuoco_su() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

nessuna_finestra() {
    ! xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" >/dev/null 2>&1
}

# Whether the selection $1 (clipboard, primary) holds the text $2.
selezione_contiene() {
    [ "$(xclip -o -selection "$1" 2>/dev/null || true)" = "$2" ]
}

appunti_contengono() {
    selezione_contiene clipboard "$1"
}

# Waits until the X keyboard focus is on the window $1.
attendi_fuoco() {
    attendi "the keyboard never came to window $1" fuoco_su "$1"
}

# Waits until no visible window of the program is named exactly $1.
attendi_chiusura() {
    attendi "window '$1' still shown" nessuna_finestra "$1"
}

# Starts the program with the given environment assignments and waits for its window.
avvia() {
    mkdir -p "$cartella/runtime"
    chmod 700 "$cartella/runtime"
    env XDG_RUNTIME_DIR="$cartella/runtime" "$@" "$brevanto" &
    pid=$!
    finestra=$(cerca_finestra Brevanto)
    [ -n "$finestra" ] || fallito "no Brevanto window"
    # The client area of the layout table lies below the menu bar, at the window's bottom.
    local altezza
    altezza=$(xwininfo -id "$finestra" | awk '/Height:/ {print $2}')
    barra_menu=$((altezza - 5415 / TWIP_PER_PIXEL))
    xdotool windowfocus --sync "$finestra"
}

# Offers a text on the selection $1 from a process of ours, which ends as soon as another
# client takes the selection over: that is how the scripts see a program act on Copy.
offri_selezione() {
    # An offer of the text the selection holds already could not be seen to arrive.
    if selezione_contiene "$1" "$2"; then
        offri_selezione "$1" "<prima di $2>"
    fi
    printf '%s' "$2" | xclip -i -quiet -selection "$1" >/dev/null 2>&1 &
    offerente=$!
    attendi "xclip did not take the $1 selection" selezione_contiene "$1" "$2"
}

offri_appunti() {
    offri_selezione clipboard "$1"
}

# Waits until the program has taken the clipboard from the offering process.
attendi_cessione() {
    local scadenza=$((SECONDS + ATTESA_MASSIMA))
    while kill -0 "$offerente" 2>/dev/null; do
        if [ $SECONDS -ge $scadenza ]; then
            kill "$offerente" 2>/dev/null || true
            return 1
        fi
        sleep 0.02
    done
    wait "$offerente" 2>/dev/null || true
}

# The clipboard's text with its line breaks shown as \r and \n, so that they can be
# compared exactly and a trailing one survives the shell.
appunti() {
    { xclip -o -selection clipboard 2>/dev/null || true; } | sed -z 's/\r/\\r/g; s/\n/\\n/g'
}

# Runs Copy with its shortcut and prints what it put on the clipboard.
copia() {
    offri_appunti "<segnaposto>"
    tasto ctrl+c
    if attendi_cessione; then
        appunti
    else
        printf '<Copy gave nothing>'
    fi
}

# Pastes a text with the shortcut and prints the register after it. Copy follows at once,
# so the clipboard is only taken from the offering process once Paste has read it.
incolla() {
    offri_appunti "$1"
    tasto ctrl+v
    xdotool key ctrl+c
    if attendi_cessione; then
        appunti
    else
        printf '<Copy gave nothing>'
    fi
}

# Checks the register as Copy gives it; valid while no history line is picked by the user.
verifica_registro() {
    verifica "${2:-register}" "$1" "$(copia)"
}

# Types characters into the main window.
digita() {
    xdotool windowfocus --sync "$finestra"
    xdotool type --delay 15 "$1"
}

tasto() {
    xdotool windowfocus --sync "$finestra"
    xdotool key "$@"
}

# Clicks the middle of a control of the client area given by its layout rectangle in twips.
clic_controllo() {
    local sinistra=$1 alto=$2 larghezza=$3 altezza=$4
    local x=$(((sinistra + larghezza / 2) / TWIP_PER_PIXEL))
    local y=$((barra_menu + (alto + altezza / 2) / TWIP_PER_PIXEL))
    xdotool windowfocus --sync "$finestra"
    xdotool mousemove --window "$finestra" "$x" "$y" click 1
}

# The buttons the scripts click, by caption.
clic() {
    case $1 in
    Reset) clic_controllo 120 2500 735 435 ;;
    5) clic_controllo 840 3795 615 435 ;;
    *) fallito "no button '$1' in the scripts' table" ;;
    esac
}

# The list's first row lies just inside its top edge, 120 twips from the client's top.
readonly LISTA_X=$(((4200 + 600) / TWIP_PER_PIXEL))
readonly LISTA_Y0=$((120 / TWIP_PER_PIXEL + 3))

# The keys that follow a click go where the keyboard is: the main window is given it
# first, since a dialog that just closed may have held it.
clic_lista_a() {
    xdotool windowfocus --sync "$finestra"
    xdotool mousemove --window "$finestra" "$LISTA_X" "$((barra_menu + $1))" click 1
}

# Drops the line the user picked (Ctrl+Space on it), so that Copy gives the register again.
# A click on the register, which takes no clicks, keeps the next click on the list from
# making a double click with the last one.
lascia_riga() {
    xdotool key ctrl+space
    clic_controllo 120 2040 3840 375
}

# Picks a history line with a click on the first row, the key to one end of the list ($1)
# and an arrow key ($2) pressed $3 times, and prints what Copy gives: CR LF and the line,
# or the register when the list is empty. The line is dropped again afterwards.
scegli_riga() {
    clic_lista_a "$LISTA_Y0"
    xdotool key "$1"
    if [ "$3" -gt 0 ]; then
        xdotool key --repeat "$3" "$2"
    fi
    copia
    lascia_riga
}

# History line i, 0 the oldest.
riga_storico() {
    scegli_riga ctrl+Home Down "$1"
}

# The line k places above the newest one, 0 the newest.
riga_dal_fondo() {
    scegli_riga ctrl+End Up "$1"
}

# Checks the newest history lines, oldest of them first, one argument per line.
verifica_storico() {
    local k=$# riga
    for riga in "$@"; do
        k=$((k - 1))
        verifica "history line $k from the newest" "\\r\\n$riga" "$(riga_dal_fondo "$k")"
    done
}

# Opens a file dialog with its shortcut and gives it the keyboard.
apri_dialogo() {
    tasto "$1"
    local dialogo
    dialogo=$(cerca_finestra "$2")
    # Where the keys went tells a key lost on the way from one the program did not act on.
    [ -n "$dialogo" ] || fallito "no dialog '$2' after $1; the keyboard is on" \
        "'$(xdotool getwindowfocus getwindowname 2>/dev/null || echo nothing)'"
    xdotool windowfocus --sync "$dialogo"
    # Qt gives the name field the focus as it shows the dialog, before the window maps.
    attendi_fuoco "$dialogo"
}

# Types a full path into the dialog's name field and confirms it.
scegli() {
    xdotool key ctrl+a
    xdotool type --delay 10 "$1"
    xdotool key Return
    attendi_chiusura "$2"
}

# Waits until the window manager has handled every event the server sent it before this
# call, a click included: it handles events in order, and answers a request for another
# number of desktops by setting the root window's property.
attendi_gestore() {
    local numero=2
    [ "$(numero_scrivanie)" != 2 ] || numero=3
    xdotool set_num_desktops "$numero"
    attendi "the window manager did not answer" scrivanie "$numero"
}

gestore_avviato() {
    [ -n "$(numero_scrivanie)" ]
}

numero_scrivanie() {
    xprop -root _NET_NUMBER_OF_DESKTOPS 2>/dev/null | sed -n 's/.* = //p'
}

scrivanie() {
    [ "$(numero_scrivanie)" = "$1" ]
}

# Whether a menu of the program is open: a window of its own besides the main window.
menu_aperto() {
    [ "$(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -gt 1 ]
}

menu_chiuso() {
    ! menu_aperto
}

# Keeps in $1 a picture of the window $2 once it differs from the picture $3 and has stopped
# changing: the program has drawn what the keys or moves before asked for.
cattura_aggiornata() {
    local file=$1 id=$2 prima=$3 precedente="$cartella/precedente.png"
    local scadenza=$((SECONDS + ATTESA_MASSIMA))
    "$cattura" "$precedente" "$id"
    until "$cattura" "$file" "$id" && ! cmp -s "$file" "$prima" && cmp -s "$file" "$precedente"; do
        [ $SECONDS -lt $scadenza ] || fallito "window $id never settled into a new picture"
        cp "$file" "$precedente"
    done
    rm -f "$precedente"
}
