#!/usr/bin/env bash
# The curve window on a small screen (1024×600, run by ctest with SCHERMO_XVFB) under a
# window manager, in the Italian region, for what only a real X server shows: the window
# and its frame fit the screen and the size is remembered; Alt+letter reaches the menus
# and every field; the menus' shortcuts work from a focused field, where the X key
# bindings of a line edit (Ctrl+U, Ctrl+E…) would otherwise take them. Then the README's
# pictures: curves compared with a legend, the error view, the divider view.
# Arguments: brevanto, cattura_schermo, folder for pictures, brevanto-curva, the makers'
# tables folder.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"
curva=$4 tabelle=$5
readonly TITOLO="Brevanto Curva"

openbox --sm-disable >/dev/null 2>&1 &
gestore=$!
trap 'termina_programma; kill $gestore 2>/dev/null || true' EXIT
gestore_attivo() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
attendi "openbox never took the screen" gestore_attivo

mkdir -p "$cartella/runtime"
chmod 700 "$cartella/runtime"
rm -rf "$cartella/impostazioni"
avvia_curva() {
    env XDG_RUNTIME_DIR="$cartella/runtime" XDG_CONFIG_HOME="$cartella/impostazioni" \
        LC_ALL=it_IT.UTF-8 "$curva" &
    pid=$!
    finestra=$(cerca_finestra "$TITOLO")
    [ -n "$finestra" ] || fallito "no $TITOLO window"
    xdotool windowfocus --sync "$finestra"
}

# The frame's left, top, right and bottom edges on the screen, as the window manager drew it.
# xwininfo gives where the client area is on the screen; xdotool's position is off by the
# frame under openbox.
cornice() {
    local x y larghezza altezza sinistro destro alto basso
    read -r x y larghezza altezza <<<"$(xwininfo -id "$finestra" |
        awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
             /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}')"
    read -r sinistro destro alto basso <<<"$(xprop -id "$finestra" _NET_FRAME_EXTENTS |
        sed 's/.*= //; s/,//g')"
    echo "$((x - sinistro)) $((y - alto)) $((x + larghezza + destro)) $((y + altezza + basso))"
}

# What a field holds, reached by its Alt+letter and copied with the keyboard.
campo() {
    offri_appunti "<segnaposto>"
    tasto "alt+$1"
    xdotool key ctrl+a ctrl+c
    if attendi_cessione; then
        appunti
    else
        printf '<Copy gave nothing>'
    fi
}

# A dialog opened by the keys given, cancelled again.
dialogo() {
    local titolo=$1
    shift
    tasto "$@"
    local trovato
    trovato=$(cerca_finestra "$titolo")
    [ -n "$trovato" ] || fallito "no dialog '$titolo' after $*"
    xdotool windowfocus --sync "$trovato"
    xdotool key Escape
    attendi_chiusura "$titolo"
    controlli=$((controlli + 1))
}

avvia_curva
schermo=$(xdotool getdisplaygeometry)
read -r sinistro alto destro basso <<<"$(cornice)"
if [ "$sinistro" -lt 0 ] || [ "$alto" -lt 0 ] || [ "$destro" -gt "${schermo% *}" ] ||
    [ "$basso" -gt "${schermo#* }" ]; then
    fallito "window frame $sinistro,$alto–$destro,$basso off a $schermo screen"
fi
controlli=$((controlli + 1))

# Menus first: Alt+F, Alt+V and Alt+A open them, also on the fit view whose button is
# "Adatta"; each field has a letter of its own (R0 and T0 no longer share Alt+0).
dialogo "Apri parametri" alt+f a
dialogo "Aggiungi una tabella al confronto" alt+v b
verifica "Alt+I: Fino a" 125 "$(campo i)"
verifica "Alt+0: R0" 10000 "$(campo 0)"
verifica "Alt+C: T0" 25 "$(campo c)"
verifica "Alt+E: Vref" 3,3 "$(campo e)"

# A fit made from the menus alone, on the fit view.
offri_appunti "$(printf '25\t10000\n85\t1000\n')"
tasto ctrl+4
tasto alt+m Home
tasto alt+a i
attendi_cessione || true
tasto alt+a a

# From a focused field the menus' shortcuts win: Ctrl+U in "Da" takes the fitted Beta (B
# through 25 °C 10 kΩ and 85 °C 1 kΩ is ln 10 / (1/298.15 K − 1/358.15 K) = 4097.9 K) and
# leaves "Da" as it was; Ctrl+E in "R serie" exports.
tasto alt+d
tasto ctrl+u
verifica "Da after Ctrl+U in it" -40 "$(campo d)"
verifica "B after Ctrl+U" 4097,9 "$(campo k | cut -c1-6)"
tasto alt+r
dialogo "Esporta CSV" ctrl+e

# The size the user gives is the next start's.
xdotool windowsize --sync "$finestra" 900 520
tasto ctrl+q
wait "$pid" || true
pid=""
avvia_curva
verifica "size after a restart" "900 520" \
    "$(xdotool getwindowgeometry --shell "$finestra" | sed -n 's/^WIDTH=//p; s/^HEIGHT=//p' | tr '\n' ' ' | sed 's/ $//')"

# The README's pictures: the datasheet's table and a Beta of its B25/85, a Beta 3950 and
# another maker's part beside them, at 60 °C; the error view; the divider view.
xdotool windowsize --sync "$finestra" 1008 552
tasto ctrl+d
apri_dialogo ctrl+t "Apri tabella del costruttore"
scegli "$tabelle/vishay_ntcle100e3103_3977.csv" "Apri tabella del costruttore"
xdotool windowfocus --sync "$finestra"
apri_dialogo ctrl+shift+t "Aggiungi una tabella al confronto"
scegli "$tabelle/murata_ncp15xh103.csv" "Aggiungi una tabella al confronto"
xdotool windowfocus --sync "$finestra"
tasto alt+k ctrl+a
xdotool type 3977
tasto alt+r
xdotool type 10000
for vista in 1:curva 2:curva_errore 5:curva_partitore; do
    tasto "ctrl+${vista%%:*}" ctrl+g ctrl+a
    xdotool type 60
    xdotool key Return
    # The reading, copied once the cursor stands at 60 °C, says the view is drawn there.
    offri_appunti "<segnaposto>"
    tasto ctrl+shift+l
    attendi_cessione || fallito "no reading copied on the ${vista#*:} view"
    [[ "$(appunti)" == *60* ]] || fallito "the ${vista#*:} view's reading is not at 60 °C: $(appunti)"
    "$cattura" "$cartella/${vista#*:}.png" "$finestra"
done
concluso
