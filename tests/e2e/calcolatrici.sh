#!/usr/bin/env bash
# Ctrl+I with each calculator Debian packages installed alone: the calculator started must
# show the register's value, read back through its own Copy (xcalc: its display's
# selection). A calculator that is not installed is skipped and named.
# Arguments: brevanto, cattura_schermo, folder for pictures, sentinella_tasti.
# The load check (tests/e2e/carico.sh) sets CALCOLATRICI, NUMERI and GIRI to choose what is
# sent and how often, and CARICO=1: a number refused with "Calcolatrice non disponibile !"
# and a cleared calculator is counted rather than failed. A different number always fails.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"
sentinella=$4

read -r -a numeri <<<"${NUMERI:-25 -25 1234567.891 55555555555 1E+20}"
read -r -a calcolatrici <<<"${CALCOLATRICI:-mate-calc qalculate-gtk xcalc galculator}"
giri=${GIRI:-1}
solo=$cartella/solo
readonly RIFIUTO="Calcolatrice non disponibile !"

# What calculator $1 shows for the number $2.
atteso() {
    case $1 in
    xcalc | galculator) tr E e <<<"$2" ;;
    # mate-calc's Copy gives its "×10²⁰" as "x10??": the exponent's digits do not survive.
    mate-calc) if [[ $2 == *E* ]]; then echo "${2%%E*}x10??"; else echo "$2"; fi ;;
    qalculate-gtk) printf ' %s\n' "$2" ;;
    esac
}

# What calculator $1 shows once cleared.
azzerata() {
    case $1 in
    xcalc | galculator) echo 0 ;;
    mate-calc) echo "" ;;
    esac
}

# The display of the calculator's window $2, as its Copy gives it.
leggi_calcolatrice() {
    if [ "$1" = xcalc ]; then
        # A click on the display selects it; a second one gives the selection up again.
        offri_selezione primary "<segnaposto>"
        xdotool mousemove --window "$2" 124 17 click 1
        if attendi_cessione; then xclip -o -selection primary 2>/dev/null || true; fi
        xdotool click 1
    else
        offri_appunti "<segnaposto>"
        xdotool key --window "$2" --clearmodifiers ctrl+c 2>/dev/null || true
        xdotool windowfocus --sync "$2" key ctrl+c
        if attendi_cessione; then xclip -o -selection clipboard 2>/dev/null || true; fi
    fi
}

finestra_calcolatrice() {
    calcolatrice=$(xdotool search --onlyvisible --classname "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$calcolatrice" ]
}

# Ends every calculator on this server, whatever state the hand-off left it in: one that
# was still starting when the others were ended may show a window later.
chiudi_calcolatrici() {
    attendi "$1 still shown" nessuna_calcolatrice "$1"
}

# Ends the windows of that calculator still there; true when there were none.
nessuna_calcolatrice() {
    local w finestre
    finestre=$(xdotool search --classname "^$1\$" 2>/dev/null || true)
    for w in $finestre; do
        xdotool windowkill "$w" 2>/dev/null || true
    done
    [ -z "$finestre" ]
}

qalculate_mostra() {
    [ "$(leggi_calcolatrice qalculate-gtk "$calcolatrice")" = "$1" ]
}

# Sends the number $2 to calculator $1 and sets esito to how it went: "esatto", or
# "rifiutato" when the history reports the refusal and the calculator, if it came up, was
# left cleared.
invia() {
    local programma=$1 numero=$2 registro visto="" mostrata=0 fine=0 storia
    chiudi_calcolatrici "$programma"
    # Emptied, the history's newest line after the send is the send's own.
    tasto shift+Delete
    registro=$(incolla "$numero")
    if [ "$registro" != "$numero" ]; then
        # Paste writes large numbers out in full; two sign changes give the E form.
        tasto minus minus
        registro=$(copia)
    fi
    verifica "register before sending" "$numero" "$registro"
    if [ "$programma" = qalculate-gtk ]; then
        # It takes the number on its command line: nothing is typed.
        tasto ctrl+i
        attendi "no $programma window" finestra_calcolatrice "$programma"
        attendi "$programma never showed $numero" qalculate_mostra "$(atteso "$programma" "$numero")"
        visto=$(atteso "$programma" "$numero") mostrata=1
    else
        # The hand-off is over once the program, having typed into the calculator (the
        # third key press after Ctrl and I of the shortcut), answers again.
        "$sentinella" "$finestra" 3 120 >"$cartella/sentinella.txt" &
        local sentinella_pid=$!
        attendi "the key watcher did not start" grep -q pronta "$cartella/sentinella.txt"
        tasto ctrl+i
        wait "$sentinella_pid" || fine=$?
        # A Copy while the program types would put its keys among the number's.
        if [ "$fine" = 0 ] && finestra_calcolatrice "$programma"; then
            visto=$(leggi_calcolatrice "$programma" "$calcolatrice") mostrata=1
        fi
    fi
    chiudi_calcolatrici "$programma"
    storia=$(riga_dal_fondo 0)
    if [ "$storia" = "\\r\\n$RIFIUTO" ]; then
        [ "$mostrata" = 0 ] || [ "$visto" = "$(azzerata "$programma")" ] ||
            fallito "$programma refused $numero but shows '$visto'"
        [ "${CARICO:-0}" = 1 ] || fallito "$programma: $numero refused ($RIFIUTO)"
        esito=rifiutato
    else
        [ "$fine" = 0 ] || fallito "$programma: the program never typed $numero and answered again"
        verifica "$programma shows $numero" "$(atteso "$programma" "$numero")" "$visto"
        esito=esatto
    fi
}

provate=()
for programma in "${calcolatrici[@]}"; do
    percorso=$(command -v "$programma" || true)
    if [ -z "$percorso" ]; then
        echo "$nome_prova: $programma not installed, skipped"
        continue
    fi
    rm -rf "$solo" && mkdir -p "$solo" && ln -s "$percorso" "$solo/$programma"
    # Only this calculator is on the PATH the program searches.
    avvia LC_ALL=C.UTF-8 PATH="$solo" HOME="$cartella/casa-$programma"
    inviati=0 esatti=0 rifiutati=0
    for _ in $(seq "$giri"); do
        for numero in "${numeri[@]}"; do
            invia "$programma" "$numero"
            inviati=$((inviati + 1))
            case $esito in
            esatto) esatti=$((esatti + 1)) ;;
            rifiutato) rifiutati=$((rifiutati + 1)) ;;
            esac
        done
    done
    termina_programma
    echo "$nome_prova: $programma: $inviati sent, $esatti exact, $rifiutati refused ($RIFIUTO)"
    provate+=("$programma")
done
echo "$nome_prova: calculators checked: ${provate[*]}"
concluso
