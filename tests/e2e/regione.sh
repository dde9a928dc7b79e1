#!/usr/bin/env bash
# The region comes from the locale the program starts in: with a decimal comma, results and
# the summary show ",", and Paste reads the region's grouping. What the window then does
# with each key is the widget tests'.
# Arguments: brevanto, cattura_schermo, folder for pictures.
# shellcheck source=libreria.sh
source "$(dirname "$0")/libreria.sh"

avvia LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8
verifica_storico "Parametri NTC:" "* R0 = 0,0" "* B  = 0,0" ""

digita 10000r3950b25
tasto F3
verifica_registro 10000,0 "°C > Ohm"
verifica_storico "25 [°C] = 10000,0 [Ohm]"

for caso in "1.234,5|1234.5" "12.5|125"; do
    verifica "paste of '${caso%%|*}'" "${caso#*|}" "$(incolla "${caso%%|*}")"
done
concluso
