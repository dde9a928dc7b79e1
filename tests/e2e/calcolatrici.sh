#!/usr/bin/env bash
# Ctrl+I with each calculator Debian packages installed alone: the calculator started must
# show the register's value, read back through its own Copy (xcalc: its display's
# selection). A calculator that is not installed is skipped and named.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

numeri=("25" "-25" "1234567.891" "55555555555" "1E+20")
solo=$cartella/solo

# What the calculator shows for each number, in the order of numeri.
atteso() {
    case $1 in
    xcalc | galculator) printf '%s\n' 25 -25 1234567.891 55555555555 1e+20 ;;
    # mate-calc's Copy gives its "×10²⁰" as "x10??": the exponent's digits do not survive.
    mate-calc) printf "%s\n" 25 -25 1234567.891 55555555555 "1x10??" ;;
    qalculate-gtk) printf '%s\n' " 25" " -25" " 1234567.891" " 55555555555" " 1E+20" ;;
    esac
}

# The display of the calculator's window $2, as its Copy gives it.
leggi_calcolatrice() {
    if [ "$1" = xcalc ]; then
        # A click on the display selects it; a second one gives the selection up again.
        xdotool mousemove --window "$2" 124 17 click 1
        sleep 0.2
        xclip -o -selection primary 2>/dev/null || true
        xdotool click 1
    else
        offri_appunti "<segnaposto>"
        xdotool key --window "$2" --clearmodifiers ctrl+c 2>/dev/null || true
        xdotool windowfocus --sync "$2" key ctrl+c
        if attendi_cessione; then xclip -o -selection clipboard 2>/dev/null; fi
    fi
}

finestra_calcolatrice() {
    calcolatrice=$(xdotool search --onlyvisible --classname "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$calcolatrice" ]
}

nessuna_calcolatrice() {
    ! finestra_calcolatrice "$1"
}

provate=()
for programma in mate-calc qalculate-gtk xcalc galculator; do
    percorso=$(command -v "$programma" || true)
    if [ -z "$percorso" ]; then
        echo "$nome_prova: $programma not installed, skipped"
        continue
    fi
    rm -rf "$solo" && mkdir -p "$solo" && ln -s "$percorso" "$solo/$programma"
    # Only this calculator is on the PATH the program searches.
    avvia LC_ALL=C.UTF-8 PATH="$solo" HOME="$cartella/casa-$programma"
    mapfile -t attesi < <(atteso "$programma")
    for i in "${!numeri[@]}"; do
        registro=$(incolla "${numeri[$i]}")
        if [ "$registro" != "${numeri[$i]}" ]; then
            # Paste writes large numbers out in full; two sign changes give the E form.
            tasto minus minus
            registro=$(copia)
        fi
        verifica "register before sending" "${numeri[$i]}" "$registro"
        tasto ctrl+i
        attendi "no $programma window" finestra_calcolatrice "$programma"
        # A number to type is typed once the window has the keyboard; qalculate takes it
        # on its command line.
        if [ "$programma" != qalculate-gtk ]; then
            attendi "$programma never had the keyboard" fuoco_su "$calcolatrice"
        fi
        sleep 1.5
        verifica "$programma shows ${numeri[$i]}" "${attesi[$i]}" \
            "$(leggi_calcolatrice "$programma" "$calcolatrice")"
        xdotool windowkill "$calcolatrice"
        attendi "$programma still shown" nessuna_calcolatrice "$programma"
    done
    termina_programma
    provate+=("$programma")
done
echo "$nome_prova: calculators checked: ${provate[*]}"
concluso
